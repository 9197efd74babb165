// The result panel: the reading on its four tabs, and the way back to the form.

#include <QCheckBox>
#include <QScrollArea>
#include <QTabBar>
#include <QTest>

#include "app/lean_widgets/svg_view.h"
#include "main_window_fixture.h"
#include "texts/paragraphs.h"

using velmora::MessageIcon;
using velmora::testing::BirthData;
using velmora::testing::kPages;

class ReadingResultPanelTest : public QObject, private velmora::testing::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    void fullReading_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("button") << "button";
        QTest::newRow("menu") << "menu";
    }

    void fullReading() {
        QFETCH(QString, how);
        fill(BirthData());
        if (how == QLatin1String("button")) {
            QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdRashi")), Qt::LeftButton);
        } else {
            action(QStringLiteral("mnuCalculate"))->trigger();
        }
        QVERIFY(fake_->messages.isEmpty());
        QCOMPARE(result(0), QStringLiteral("Pushya"));
        const velmora::ReadingResults& results = window_->Session().Results();
        // The 1947 example's reading, as published with the example.
        const QStringList expected{
            QStringLiteral("Pushya"),
            QStringLiteral("Krishna Paksha"),
            QStringLiteral("Cock"),
            QStringLiteral("Sunday, Tuesday"),
            QStringLiteral("Monday, Saturday"),
            QStringLiteral("Thursday, Saturday"),
            QString::fromUtf8(results.starTexts.description.data(),
                              qsizetype(results.starTexts.description.size())),
            QString::fromUtf8(results.starTexts.pakshiDescription.data(),
                              qsizetype(results.starTexts.pakshiDescription.size())),
        };
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(result(i), expected[i]);
            QVERIFY2(!result(i).isEmpty(), qPrintable(QString::number(i)));
        }
        QCOMPARE(result(8).toStdString(), std::string(velmora::kDarkFortnightExplanation));
        QCOMPARE(find<velmora::SvgView>(QStringLiteral("picBird"))->Source(),
                 QStringLiteral(":/birds/%1.svg").arg(result(2).toLower()));
        QCOMPARE(panelInFront(), QStringLiteral("fraResult"));
        QCOMPARE(find<QTabBar>(QStringLiteral("TS"))->currentIndex(), 0);
        QCOMPARE(pageInFront(), QStringLiteral("picNakshatraDetails"));
    }

    // Each page is laid out when it is shown.
    void longParagraphsAreNotCutOff() {
        fill(BirthData());
        calculate();
        auto* tabs = find<QTabBar>(QStringLiteral("TS"));
        for (int tab = 0; tab < int(std::size(kPages)); ++tab) {
            tabs->setCurrentIndex(tab);
            QCoreApplication::processEvents(); // pending layout requests
            auto* page = find<QScrollArea>(kPages[tab]);
            QCOMPARE(page->widget()->width(), page->viewport()->width());
            for (QLabel* label : page->widget()->findChildren<QLabel*>()) {
                if (!label->wordWrap()) {
                    continue;
                }
                QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                         qPrintable(label->objectName()));
                // Not clipped by a frame around it either.
                for (QWidget* inner = label; inner != page->widget(); inner = inner->parentWidget()) {
                    QVERIFY2(inner->parentWidget()->rect().contains(inner->geometry()),
                             qPrintable(label->objectName() + " in " + inner->parentWidget()->objectName()));
                }
            }
        }
    }

    // The values and paragraphs draw as plain labels until the mouse presses on them; then a drag
    // selects their text as it would in any selectable label.
    void dragSelectsText_data() {
        QTest::addColumn<int>("label");
        QTest::addColumn<QString>("start");
        QTest::newRow("star value") << 0 << QStringLiteral("Pushya");
        QTest::newRow("star paragraph") << 6 << QString();
    }
    void dragSelectsText() {
        QFETCH(int, label);
        QFETCH(QString, start);
        fill(BirthData());
        calculate();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        auto* shown = find<QLabel>(QStringLiteral("lblResult%1").arg(label));
        QVERIFY(!shown->hasSelectedText());
        const QPoint from = shown->contentsRect().topLeft() + QPoint(2, 4);
        QTest::mousePress(shown, Qt::LeftButton, {}, from);
        QMouseEvent drag(QEvent::MouseMove, QPointF(from + QPoint(shown->contentsRect().width() / 2, 0)),
                         shown->mapToGlobal(QPointF(from + QPoint(shown->contentsRect().width() / 2, 0))),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(shown, &drag);
        QTest::mouseRelease(shown, Qt::LeftButton, {}, from + QPoint(shown->contentsRect().width() / 2, 0));
        QVERIFY2(shown->hasSelectedText(), qPrintable(shown->objectName()));
        QVERIFY2(shown->text().contains(shown->selectedText().trimmed()), qPrintable(shown->selectedText()));
        if (!start.isEmpty()) {
            QCOMPARE(shown->selectedText(), start);
        }
    }

    // A birth time a few minutes from a change of star says so under the star;
    // the 1947 example, an hour from either change, shows nothing.
    void nearChangeIsShownUnderTheStar_data() {
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QString>("note");
        QTest::newRow("1947 example") << 0 << 0 << QString();
        QTest::newRow("three minutes before Ashlesha")
            << 20 << 5 << QStringLiteral("A birth time 3 minutes later gives Ashlesha, still with the Cock.");
    }
    void nearChangeIsShownUnderTheStar() {
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(QString, note);
        fill(BirthData());
        list(QStringLiteral("cboHH"))->setCurrentIndex(hour);
        list(QStringLiteral("cboMM"))->setCurrentIndex(minute);
        calculate();
        const auto* margin = find<QLabel>(QStringLiteral("lblMargin"));
        QCOMPARE(margin->isVisible(), !note.isEmpty());
        QCOMPARE(margin->text(), note);
        QCOMPARE(margin->accessibleName(), QStringLiteral("Birth time near a change"));
    }

    void tabsBringTheirPages_data() {
        QTest::addColumn<int>("tab");
        for (int tab = 0; tab < 4; ++tab) {
            QTest::addRow("%s", qPrintable(kPages[tab])) << tab;
        }
    }

    void tabsBringTheirPages() {
        QFETCH(int, tab);
        fill(BirthData());
        calculate();
        auto* tabs = find<QTabBar>(QStringLiteral("TS"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
        QCOMPARE(pageInFront(), kPages[tab]);
        for (const QString& page : kPages) {
            QVERIFY(find(page)->isVisible());
        }
    }

    void newReadingOpensTheFirstTab() {
        fill(BirthData());
        calculate();
        find<QTabBar>(QStringLiteral("TS"))->setCurrentIndex(2);
        QCOMPARE(pageInFront(), QStringLiteral("picRullingDays"));
        find<QPushButton>(QStringLiteral("cmdBack"))->click();
        calculate();
        QCOMPARE(find<QTabBar>(QStringLiteral("TS"))->currentIndex(), 0);
        QCOMPARE(pageInFront(), QStringLiteral("picNakshatraDetails"));
    }

    void backKeepsEveryField() {
        BirthData data;
        data.name = QStringLiteral("  Asha R.  ");
        fill(data);
        edit(QStringLiteral("txtMCity"))->setText(QStringLiteral("Delhi"));
        list(QStringLiteral("cboSS"))->setCurrentIndex(45);
        find<QCheckBox>(QStringLiteral("chkDST"))->setChecked(true);
        QStringList before;
        for (QLineEdit* field : window_->findChildren<QLineEdit*>()) {
            before << field->text();
        }
        for (QComboBox* box : window_->findChildren<QComboBox*>()) {
            before << box->currentText();
        }
        calculate();
        QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdBack")), Qt::LeftButton);
        QCOMPARE(panelInFront(), QStringLiteral("fraMain"));
        QStringList after;
        for (QLineEdit* field : window_->findChildren<QLineEdit*>()) {
            after << field->text();
        }
        for (QComboBox* box : window_->findChildren<QComboBox*>()) {
            after << box->currentText();
        }
        QCOMPARE(after, before);
        QVERIFY(find<QCheckBox>(QStringLiteral("chkDST"))->isChecked());
        QCOMPARE(result(0), QStringLiteral("Pushya")); // the result panel keeps the reading
    }

    void secondsChangeNothing() {
        fill(BirthData());
        calculate();
        QStringList first;
        for (int i = 0; i < 9; ++i) {
            first << result(i);
        }
        find<QPushButton>(QStringLiteral("cmdBack"))->click();
        list(QStringLiteral("cboSS"))->setCurrentIndex(59);
        calculate();
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(result(i), first[i]);
        }
    }

    void failedCheckFromTheResultPanelShowsTheForm() {
        fill(BirthData());
        calculate();
        edit(QStringLiteral("txtName"))->clear();
        action(QStringLiteral("mnuCalculate"))->trigger();
        QCOMPARE(fake_->MessageTexts(), QStringList{QStringLiteral("Please Enter Name")});
        QCOMPARE(panelInFront(), QStringLiteral("fraMain"));
        QCOMPARE(focused(), QStringLiteral("txtName"));
        QCOMPARE(result(0), QStringLiteral("Pushya")); // the last reading stays
    }

    void mnemonicsReachOnlyThePanelInFront() {
        fake_->openFileAnswers = {QString()};
        QTest::keyClick(window_.get(), Qt::Key_O, Qt::AltModifier);
        QTRY_COMPARE(fake_->openDialogs.size(), 1);
        QTest::keyClick(window_.get(), Qt::Key_S, Qt::AltModifier); // Save is behind: nothing
        fill(BirthData());
        calculate();
        fake_->saveFileAnswers = {QString()};
        QTest::keyClick(window_.get(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(fake_->saveDialogs.size(), 1);
        QTest::keyClick(window_.get(), Qt::Key_B, Qt::AltModifier);
        QTRY_COMPARE(panelInFront(), QStringLiteral("fraMain"));
        QCOMPARE(fake_->openDialogs.size(), 1);
        QCOMPARE(fake_->saveDialogs.size(), 1);
    }
};

QTEST_MAIN(ReadingResultPanelTest)
#include "reading_result_panel_test.moc"
