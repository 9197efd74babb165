#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>

#include "reading/reading_session.h"
#include "reading/validation.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTabBar;

namespace velmora {

class LinkLabel;
class Platform;
class SvgView;

// The main window: the birth-data form on the input panel `fraMain` and the
// reading on the four tabs of the result panel `fraResult`. Both panels have the
// same place and size; the one in use is brought to the front, the other is
// disabled behind it so that neither Tab nor a mnemonic reaches a control the
// user cannot see.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(Platform& platform, QWidget* parent = nullptr);

    const ReadingSession& Session() const { return session_; }

    // Shows the reading saved in fileName, as the Open button does once a file is chosen;
    // an empty name does nothing.
    void OpenSavedReading(const QString& fileName);

protected:
    // The digits-only rule of the four coordinate fields.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenus();
    void createLinkStrip(QWidget* client);
    void createInputPanel(QWidget* client);
    QGroupBox* createPersonalDetails(QWidget* panel);
    void createResultPanel(QWidget* client);
    void createResultPages(QWidget* tabArea);
    void createTabOrder();
    void Form_Load();

    void cmdRashi_Click();
    void mnuCalculate_Click();
    void ShowReading();
    void cmdBack_Click();
    void TS_Click();
    void cmdSave_Click();
    void cmdOpen_Click();
    void cmdBrowser_Click();
    void lblTZHelp_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void lblLabel_Click();
    void Label14_Click();

    BirthFormFields FormFields() const;
    QWidget* FieldWidget(FormField field) const;
    void BringToFront(QWidget* panel);
    void ShowPage(QScrollArea* page);

    Platform& platform_;
    ReadingSession session_;

    LinkLabel* Label14_ = nullptr;
    QWidget* fraMain_ = nullptr;
    QWidget* fraResult_ = nullptr;
    QPointer<QWidget> inputFocus_; // where the focus was when the input panel went behind

    QPushButton* cmdOpen_ = nullptr;
    QLineEdit* txtName_ = nullptr;
    QComboBox* cboMonth_ = nullptr;
    QComboBox* cboDate_ = nullptr;
    QComboBox* cboYear_ = nullptr;
    QComboBox* cboHH_ = nullptr;
    QComboBox* cboMM_ = nullptr;
    QComboBox* cboSS_ = nullptr;
    QLineEdit* txtZoneHour_ = nullptr;
    QLineEdit* txtZoneMinute_ = nullptr;
    QCheckBox* chkDST_ = nullptr;
    LinkLabel* lblTZHelp_ = nullptr;
    QLineEdit* txtLatD_ = nullptr;
    QLineEdit* txtLatM_ = nullptr;
    std::array<QRadioButton*, 2> optLat_{};
    QLineEdit* txtLonD_ = nullptr;
    QLineEdit* txtLonM_ = nullptr;
    std::array<QRadioButton*, 2> optLong_{};
    QLineEdit* txtMCity_ = nullptr;
    QLineEdit* txtMState_ = nullptr;
    QLineEdit* txtMCountry_ = nullptr;
    QPushButton* cmdBrowser_ = nullptr;
    QPushButton* cmdRashi_ = nullptr;

    QTabBar* TS_ = nullptr;
    std::array<QScrollArea*, 4> pages_{}; // in the order of the tabs
    std::array<QLabel*, 9> lblResult_{};
    SvgView* picBird_ = nullptr;
    LinkLabel* lblLabel_ = nullptr;
    QPushButton* cmdSave_ = nullptr;
    QPushButton* cmdBack_ = nullptr;
};

} // namespace velmora
