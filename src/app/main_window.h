#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>

#include "reading/reading_session.h"
#include "texts/localized.h"

class QAction;

namespace velmora {

class BirthFormPanel;
class frmBirdsDay;
class LinkLabel;
class Platform;
class ReadingResultPanel;

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

    // Shows the window and the reading in `language` at once (View > Language also remembers it).
    void SetLanguage(Language language);
    Language CurrentLanguage() const { return language_; }

private:
    void setUpWindow();
    void createMenus();
    void createLanguageMenu();
    QWidget* createClientArea();
    void createLinkStrip(QWidget* client);
    void createResultPanel(QWidget* client);
    void createInputPanel(QWidget* client);
    void createTabOrder();
    void showFirstDisplay();

    void calculate();
    void showReading();
    void saveReading();
    void openReading();
    void pickTimeZone();
    void lookUpPlace(const QString& query);
    void showAbout();
    void openBirdsDay(bool forReading);
    void bringToFront(QWidget* panel);

    Platform& platform_;
    ReadingSession session_;
    Language language_;

    LinkLabel* Label14_ = nullptr;
    BirthFormPanel* fraMain_ = nullptr;
    ReadingResultPanel* fraResult_ = nullptr;
    // Usable while a reading shows.
    struct ReadingActions {
        QAction* save = nullptr;
        QAction* print = nullptr;
        QAction* exportPdf = nullptr;
        QAction* copy = nullptr;
    };
    ReadingActions readingActions_;
    QPointer<QWidget> inputFocus_;   // where the focus was when the input panel went behind
    QPointer<frmBirdsDay> birdsDay_; // built when first opened
};

} // namespace velmora
