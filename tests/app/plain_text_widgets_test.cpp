// The paragraph and the drop-down list measure and draw text their own, quicker way; each must
// come out as the plain QLabel or QComboBox it stands in for.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "app/lean_widgets/paragraph_label.h"
#include "app/lean_widgets/sampled_list.h"
#include "app/widget_style.h"

namespace {

const QString kLong = QStringLiteral(
    "Those born under this star are steady and kind, keep their word and their friends, and do well "
    "in trade and in the arts; their health is good in youth and needs care after the fortieth year.");
const QString kTamil = QStringLiteral("இந்த நட்சத்திரத்தில் பிறந்தவர்கள் மன உறுதியும் அன்பும் உள்ளவர்கள்.");

// The QLabel a paragraph stands in for: plain, word-wrapped, at the top left.
void LikeParagraph(QLabel& label, const QString& text, int marginPx, int minimumHeightPx) {
    label.setTextFormat(Qt::PlainText);
    label.setWordWrap(true);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.setText(text);
    label.setMargin(marginPx);
    label.setMinimumHeight(minimumHeightPx);
}

QImage Drawn(QWidget& widget, int widthPx, int heightPx) {
    widget.resize(widthPx, heightPx);
    return widget.grab().toImage();
}

} // namespace

class PlainTextWidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void paragraphMeasuresAndDrawsAsQLabel_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("widthPx");
        QTest::addColumn<int>("marginPx");
        QTest::addColumn<int>("minimumHeightPx");
        QTest::newRow("empty") << QString() << 200 << 0 << 0;
        QTest::newRow("one line") << QStringLiteral("Krishna Paksha") << 300 << 0 << 22;
        QTest::newRow("paragraph") << kLong << 260 << 0 << 0;
        QTest::newRow("paragraph, margin") << kLong << 180 << 3 << 22;
        QTest::newRow("line feeds, tabs and returns")
            << QStringLiteral("First line\nsecond\tline\r\n\nafter an empty line") << 150 << 0 << 0;
        QTest::newRow("word wider than the line")
            << QStringLiteral("Uttaraphalguni Purvabhadrapada") << 40 << 0 << 0;
        QTest::newRow("Tamil") << kTamil << 220 << 0 << 0;
    }
    void paragraphMeasuresAndDrawsAsQLabel() {
        QFETCH(QString, text);
        QFETCH(int, widthPx);
        QFETCH(int, marginPx);
        QFETCH(int, minimumHeightPx);
        QLabel expected;
        LikeParagraph(expected, text, marginPx, minimumHeightPx);
        QLabel* paragraph = velmora::MakeParagraph(QStringLiteral("paragraph"), QString(), nullptr);
        const std::unique_ptr<QLabel> owner(paragraph);
        LikeParagraph(*paragraph, text, marginPx, minimumHeightPx);

        const int heightPx = expected.heightForWidth(widthPx);
        QCOMPARE(paragraph->heightForWidth(widthPx), heightPx);
        // Measured at another width first, as a layout does: the lines drawn are the right ones.
        QCOMPARE(paragraph->heightForWidth(widthPx + 37), expected.heightForWidth(widthPx + 37));
        QCOMPARE(Drawn(*paragraph, widthPx, heightPx), Drawn(expected, widthPx, heightPx));
        // A text replaced is measured and drawn afresh.
        expected.setText(text + text);
        paragraph->setText(text + text);
        const int longerPx = expected.heightForWidth(widthPx);
        QCOMPARE(paragraph->heightForWidth(widthPx), longerPx);
        QCOMPARE(Drawn(*paragraph, widthPx, longerPx), Drawn(expected, widthPx, longerPx));
    }

    // Wider, a paragraph loses no more height than it says it could, by the plain QLabel's measure.
    void paragraphSavesNoMoreHeightThanItSays_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("widthPx");
        QTest::addColumn<int>("extraPx");
        QTest::newRow("paragraph, a scroll bar wider") << kLong << 260 << 17;
        QTest::newRow("paragraph, twice as wide") << kLong << 150 << 150;
        QTest::newRow("paragraph, a pixel wider") << kLong + kLong << 301 << 1;
        QTest::newRow("double spaces")
            << QString(kLong).replace(QLatin1Char(' '), QStringLiteral("  ")) << 200 << 40;
        QTest::newRow("line feeds") << QStringLiteral("one\ntwo three four five six\nseven") << 60 << 90;
        QTest::newRow("word wider than the line")
            << QStringLiteral("Uttaraphalguni Purvabhadrapada") << 40 << 300;
        QTest::newRow("Tamil") << kTamil << 120 << 17;
    }
    void paragraphSavesNoMoreHeightThanItSays() {
        QFETCH(QString, text);
        QFETCH(int, widthPx);
        QFETCH(int, extraPx);
        QLabel expected;
        LikeParagraph(expected, text, 0, 22);
        QLabel* label = velmora::MakeParagraph(QStringLiteral("paragraph"), QString(), nullptr);
        const std::unique_ptr<QLabel> owner(label);
        LikeParagraph(*label, text, 0, 22);
        const auto* paragraph = static_cast<velmora::ParagraphLabel*>(label);
        const int savedPx = expected.heightForWidth(widthPx) - expected.heightForWidth(widthPx + extraPx);
        QCOMPARE(paragraph->heightForWidth(widthPx), expected.heightForWidth(widthPx));
        QVERIFY2(
            paragraph->HeightSavedAtMost(extraPx) >= savedPx,
            qPrintable(QStringLiteral("%1 < %2").arg(paragraph->HeightSavedAtMost(extraPx)).arg(savedPx)));
    }

    // Greyed, it is drawn by the style as any label is.
    void disabledParagraphDrawsAsQLabel() {
        QLabel expected;
        LikeParagraph(expected, kLong, 0, 0);
        QLabel* paragraph = velmora::MakeParagraph(QStringLiteral("paragraph"), kLong, nullptr);
        const std::unique_ptr<QLabel> owner(paragraph);
        expected.setEnabled(false);
        paragraph->setEnabled(false);
        const int heightPx = expected.heightForWidth(240);
        QCOMPARE(Drawn(*paragraph, 240, heightPx), Drawn(expected, 240, heightPx));
    }

    // The list measures a sample of its entries; it asks for the room the whole list would.
    void listAsksForTheRoomOfItsEntries_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("days") << 1 << 31;
        QTest::newRow("years") << 1901 << 2050;
        QTest::newRow("minutes") << 0 << 59;
    }
    void listAsksForTheRoomOfItsEntries() {
        QFETCH(int, first);
        QFETCH(int, last);
        QComboBox whole;
        velmora::SampledList* sampled = velmora::MakeList(QStringLiteral("list"), QString(), nullptr);
        const std::unique_ptr<QComboBox> owner(sampled);
        velmora::AddNumbers(sampled, first, last);
        for (int number = first; number <= last; ++number) {
            whole.addItem(QString::number(number));
        }
        QCOMPARE(sampled->sizeHint().height(), whole.sizeHint().height());
        // A digit's shape may make one number a pixel wider than the sample.
        QVERIFY2(std::abs(sampled->sizeHint().width() - whole.sizeHint().width()) <= 1,
                 qPrintable(QStringLiteral("%1 against %2")
                                .arg(sampled->sizeHint().width())
                                .arg(whole.sizeHint().width())));
        QCOMPARE(sampled->minimumSizeHint(), sampled->sizeHint());
    }

    void listWithoutSampleMeasuresEveryEntry() {
        const QStringList months{QStringLiteral("January"), QStringLiteral("September"),
                                 QStringLiteral("May")};
        QComboBox whole;
        velmora::SampledList sampled(nullptr);
        whole.addItems(months);
        sampled.addItems(months);
        QCOMPARE(sampled.sizeHint(), whole.sizeHint());
        QCOMPARE(sampled.minimumSizeHint(), whole.minimumSizeHint());
    }
};

QTEST_MAIN(PlainTextWidgetsTest)
#include "plain_text_widgets_test.moc"
