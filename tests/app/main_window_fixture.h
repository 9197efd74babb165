#pragma once

// A fresh main window over a fake platform for each test, and ways to reach its
// controls by object name, as a user finds them on the screen.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <algorithm>
#include <memory>

#include "app/main_window.h"
#include "fake_platform.h"

namespace velmora::testing {

inline const QString kPanels[] = {QStringLiteral("fraMain"), QStringLiteral("fraResult")};
inline const QString kPages[] = {QStringLiteral("picNakshatraDetails"), QStringLiteral("picPakshi"),
                                 QStringLiteral("picRullingDays"), QStringLiteral("picDeathDay")};

// The birth data of the worked example: 15 August 1947, 00:00, zone 5:30,
// 77 deg 12 min East, 28 deg 36 min North.
struct BirthData {
    QString name = QStringLiteral("Asha");
    int monthIndex = 7;
    int dayIndex = 14;
    QString year = QStringLiteral("1947");
    QString zoneHour = QStringLiteral("5");
    QString zoneMinute = QStringLiteral("30");
    QString lonD = QStringLiteral("77");
    QString lonM = QStringLiteral("12");
    QString latD = QStringLiteral("28");
    QString latM = QStringLiteral("36");
};

class MainWindowFixture {
protected:
    std::unique_ptr<FakePlatform> fake_;
    std::unique_ptr<frmMain> window_;

    // For init(): a fresh window, shown and active.
    bool openWindow() {
        QSettings(QSettings::UserScope, QStringLiteral("QtProject")).remove(QStringLiteral("FileDialog"));
        fake_ = std::make_unique<FakePlatform>();
        window_ = std::make_unique<frmMain>(*fake_);
        window_->show();
        return QTest::qWaitForWindowActive(window_.get());
    }

    // For cleanup(): closes the window and fails on whatever the platform was asked and not told
    // to expect.
    void closeWindow() {
        window_.reset();
        const QStringList unexpected = fake_->unexpected;
        fake_.reset();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QStringLiteral("; "))));
    }

    template <class W = QWidget> W* find(const QString& name) const {
        W* widget = window_->findChild<W*>(name);
        if (widget == nullptr) {
            qFatal("no widget named %s", qPrintable(name));
        }
        return widget;
    }
    QLineEdit* edit(const QString& name) const { return find<QLineEdit>(name); }
    QComboBox* list(const QString& name) const { return find<QComboBox>(name); }
    QString result(int index) const { return find<QLabel>(QStringLiteral("lblResult%1").arg(index))->text(); }
    QString focused() const {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus->objectName() : QString();
    }

    // Of the named siblings, the one drawn on top (the last of its parent's children).
    QString inFront(const QString* names, std::size_t count) const {
        const QObjectList& siblings = find(names[0])->parentWidget()->children();
        for (auto it = siblings.crbegin(); it != siblings.crend(); ++it) {
            if (std::find(names, names + count, (*it)->objectName()) != names + count) {
                return (*it)->objectName();
            }
        }
        return {};
    }
    QString panelInFront() const { return inFront(kPanels, std::size(kPanels)); }
    QString pageInFront() const { return inFront(kPages, std::size(kPages)); }

    void fill(const BirthData& data) const {
        edit(QStringLiteral("txtName"))->setText(data.name);
        list(QStringLiteral("cboMonth"))->setCurrentIndex(data.monthIndex);
        list(QStringLiteral("cboDate"))->setCurrentIndex(data.dayIndex);
        list(QStringLiteral("cboYear"))->setCurrentText(data.year);
        edit(QStringLiteral("txtZoneHour"))->setText(data.zoneHour);
        edit(QStringLiteral("txtZoneMinute"))->setText(data.zoneMinute);
        edit(QStringLiteral("txtLonD"))->setText(data.lonD);
        edit(QStringLiteral("txtLonM"))->setText(data.lonM);
        edit(QStringLiteral("txtLatD"))->setText(data.latD);
        edit(QStringLiteral("txtLatM"))->setText(data.latM);
    }
    void calculate() const { find<QPushButton>(QStringLiteral("cmdRashi"))->click(); }
    QAction* action(const QString& name) const { return find<QAction>(name); }
};

} // namespace velmora::testing

Q_DECLARE_METATYPE(velmora::testing::BirthData)
Q_DECLARE_METATYPE(velmora::MessageIcon)
