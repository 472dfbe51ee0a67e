#include "core/mailto.h"

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
        // The typographic characters of 0x80-0x9F, in byte order, as Windows-1252 places them;
        // the five bytes there without a character take none, so U+0081 has no code.
        QTest::newRow("Windows-1252 0x80-0x9F")
            << QString::fromUtf16(u"\u20AC\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160"
                                  u"\u2039\u0152\u017D\u2018\u2019\u201C\u201D\u2022\u2013\u2014"
                                  u"\u02DC\u2122\u0161\u203A\u0153\u017E\u0178\u0081")
            << "%80%82%83%84%85%86%87%88%89%8A%8B%8C%8E%91%92%93%94%95%96%97%98%99%9A%9B%9C%9E%9F"
               "%3F";
        QString latin1;
        QString latin1Codes;
        for (char16_t c = 0xA0; c <= 0xFF; ++c) {
            latin1 += QChar(c);
            latin1Codes += "%" + QString::number(c, 16).toUpper();
        }
        QTest::newRow("0xA0-0xFF are their own codes") << latin1 << latin1Codes;
        QTest::newRow("outside the BMP") << QString::fromUtf8("x\U0001F600y") << "x%3Fy";
        // The flag of England is a black flag followed by tag characters (U+E0000 to U+E007F)
        // that some converters swallow without a byte.
        QTest::newRow("tag characters")
            << QString::fromUtf8("\U0001F3F4\U000E0067\U000E0062\U000E007F") << "%3F%3F%3F%3F";
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << "%3F";
        QTest::newRow("longer than 32766")
            << QString(40000, QChar(0xE9)) << QString("%E9").repeated(40000);
    }
    void encodesField() {
        QFETCH(QString, text);
        QFETCH(QString, encoded);
        QCOMPARE(encodeMailField(text), encoded);
    }

    // Every Unicode scalar value gets exactly one code: a character from blank to tilde but "&"
    // stays itself, anything else becomes one "%XX" escape, and only characters outside
    // Windows-1252 become "%3F".
    void everyCodePointGetsOneCode() {
        QString all;
        for (char32_t c = 0; c <= 0x10FFFF; ++c)
            if (c < 0xD800 || c > 0xDFFF)
                all += QStringView(QChar::fromUcs4(c));
        const QString encoded = encodeMailField(all);
        qsizetype at = 0;
        int unrepresentable = 0;
        for (const char32_t c : all.toUcs4()) {
            const QString hex = QString::number(c, 16);
            if (c >= 0x20 && c <= 0x7E && c != '&') {
                QVERIFY2(encoded.at(at) == QChar(c), qPrintable(hex));
                ++at;
                continue;
            }
            QVERIFY2(encoded.mid(at, 1) == u"%" &&
                         encoded.mid(at + 1, 2).toUpper() == encoded.mid(at + 1, 2),
                     qPrintable(hex));
            unrepresentable += encoded.mid(at, 3) == u"%3F" ? 1 : 0;
            at += 3;
        }
        QCOMPARE(at, encoded.size());
        // Windows-1252 holds 251 characters: all of 0x00-0xFF but five bytes of 0x80-0x9F.
        QCOMPARE(unrepresentable, 0x110000 - 0x800 - 251);
    }

    void sendsUrlInCodePage_data() {
        QTest::addColumn<QStringList>("fields"); // To, CC, BCC, Subject, Body
        QTest::addColumn<QByteArray>("url");
        QTest::newRow("only To") << QStringList{"a@b", "", "", "", ""} << QByteArray("mailto:a@b");
        QTest::newRow("BCC first, To as it is") << QStringList{"x&\u00E9", "", "e&f", "", "x y"}
                                                << QByteArray("mailto:x&\xE9?BCC=e%26f&Body=x y");
        QTest::newRow("To in the code page")
            << QStringList{QString::fromUtf16(u"\u20AC\u0160\u2122\u0178"), "", "", "", ""}
            << QByteArray("mailto:\x80\x8A\x99\x9F");
    }
    void sendsUrlInCodePage() {
        QFETCH(QStringList, fields);
        QFETCH(QByteArray, url);
        const QString text = mailtoUrl(fields[0], fields[1], fields[2], fields[3], fields[4]);
        QCOMPARE(windows1252().encode(text), url);
    }
};

QTEST_APPLESS_MAIN(MailEncodingTest)
#include "mail_encoding_test.moc"
