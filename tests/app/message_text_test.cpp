// Paths and arguments as the window's and the command line's messages show them.
#include <QTest>

#include "app/message_text.h"

class MessageTextTest : public QObject {
    Q_OBJECT

private slots:
    void pathInMessage_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << QStringLiteral("/home/asha/asha.tam")
                               << QStringLiteral("/home/asha/asha.tam");
        QTest::newRow("escape code and bell")
            << QStringLiteral("/x/\x1b[31m\a.pdf") << QStringLiteral("/x/\\x1b[31m\\x07.pdf");
        QTest::newRow("C1 control") << QStringLiteral("/x/\u009b2J.pdf")
                                    << QStringLiteral("/x/\\xc2\\x9b2J.pdf");
        QTest::newRow("160 characters, kept whole")
            << QStringLiteral("/") + QString(155, u'a') + QStringLiteral(".tam")
            << QStringLiteral("/") + QString(155, u'a') + QStringLiteral(".tam");
        QTest::newRow("161 characters: the start, then the end with the name")
            << QStringLiteral("/") + QString(59, u'a') + QString(50, u'b') + QString(47, u'c') +
                   QStringLiteral(".tam")
            << QStringLiteral("/") + QString(59, u'a') + QStringLiteral("...") + QString(46, u'b') +
                   QString(47, u'c') + QStringLiteral(".tam");
        QTest::newRow("a character of two units is not split")
            << QString(59, u'a') + QStringLiteral("\U0001F600") + QString(200, u'c')
            << QString(59, u'a') + QStringLiteral("...") + QString(97, u'c');
    }
    void pathInMessage() {
        QFETCH(QString, path);
        QFETCH(QString, shown);
        QCOMPARE(velmora::PathInMessage(path), shown);
    }

    void quotedInMessage_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << QStringLiteral("bogus") << QStringLiteral("\"bogus\"");
        QTest::newRow("quotes and backslashes")
            << QStringLiteral("a\"b\\c") << QStringLiteral("\"a\\\"b\\\\c\"");
        QTest::newRow("escape code") << QStringLiteral("\x1b[31m") << QStringLiteral("\"\\x1b[31m\"");
        QTest::newRow("40 characters, kept whole")
            << QString(40, u'x') << QStringLiteral("\"") + QString(40, u'x') + QStringLiteral("\"");
        QTest::newRow("41 characters, cut")
            << QString(41, u'x') << QStringLiteral("\"") + QString(40, u'x') + QStringLiteral("\"...");
    }
    void quotedInMessage() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(velmora::QuotedInMessage(text), shown);
    }
};

QTEST_GUILESS_MAIN(MessageTextTest)
#include "message_text_test.moc"
