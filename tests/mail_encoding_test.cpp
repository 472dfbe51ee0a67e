#include "info/mail.h"
#include "recordingplatform.h"

#include <QTest>

using namespace spawnsmith;

// Field encoding and the URL forms the composer's fixed boxes cannot produce. Off Windows the
// ANSI code page is Windows-1252, which the expectations assume.
class MailEncodingTest : public QObject {
    Q_OBJECT
private slots:
    void encodesField_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("ampersand") << "a b&c"
                                   << "a b%26c";
        QTest::newRow("percent, ? and = kept") << "100% ?x=1 ~"
                                               << "100% ?x=1 ~";
        QTest::newRow("CR LF") << "a\r\nb"
                               << "a%0D%0Ab";
        QTest::newRow("tab") << "\t"
                             << "%09";
        QTest::newRow("DEL") << QString(QChar(0x7F)) << "%7F";
        QTest::newRow("code 233") << QString(QChar(0xE9)) << "%E9";
        QTest::newRow("euro sign's code-page code") << QString(QChar(0x20AC)) << "%80";
        QTest::newRow("not in the code page") << QString(QChar(0x0100)) << "%3F";
        QTest::newRow("outside the BMP") << QString::fromUtf8("x\U0001F600y") << "x%3Fy";
        QTest::newRow("longer than 32766")
            << QString(40000, QChar(0xE9)) << QString("%E9").repeated(40000);
    }
    void encodesField() {
        QFETCH(QString, text);
        QFETCH(QString, encoded);
        QCOMPARE(encodeMailField(text), encoded);
    }

    void sendsUrlInCodePage_data() {
        QTest::addColumn<QStringList>("fields"); // To, CC, BCC, Subject, Body
        QTest::addColumn<QByteArray>("url");
        QTest::newRow("only To") << QStringList{"a@b", "", "", "", ""} << QByteArray("mailto:a@b");
        QTest::newRow("BCC first, To as it is") << QStringList{"x&\u00E9", "", "e&f", "", "x y"}
                                                << QByteArray("mailto:x&\xE9?BCC=e%26f&Body=x y");
    }
    void sendsUrlInCodePage() {
        QFETCH(QStringList, fields);
        QFETCH(QByteArray, url);
        RecordingPlatform platform;
        sendEMail(platform, fields[0], fields[1], fields[2], fields[3], fields[4]);
        QCOMPARE(platform.openedUrls, QList<QByteArray>{url});
    }
};

QTEST_MAIN(MailEncodingTest)
#include "mail_encoding_test.moc"
