// Mail field encoding and the mailto: URL on any texts. Checked on every input: each output
// character is either copied from the printable range (blank to tilde, "&" excepted) or part
// of a "%XX" escape with upper-case digits; no "&", CR or LF is left bare; an escape stands
// for the character's own code below 0x80 and from 0xA0 to 0xFF, for a byte of 0x80-0x9F or
// "?" otherwise; and the URL is the fields' items in order with the first "&" turned into "?".

#include "fuzzinput.h"

#include "core/codepage.h"
#include "core/mailto.h"

#include <cstdio>
#include <cstdlib>

using namespace spawnsmith;

namespace {

void check(bool condition, const char* what, const QString& text) {
    if (!condition) {
        std::fprintf(stderr, "mail encoding: %s for \"%s\"\n", what, qPrintable(text));
        std::abort();
    }
}

bool upperHex(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
}

bool copied(char32_t c) {
    return c >= 0x20 && c <= 0x7E && c != '&';
}

// Whether a Windows-1252 byte can stand for the character: its own code in the ranges the page
// shares with Unicode, one of the typographic bytes 0x80-0x9F or "?" for any other character.
bool plausibleByte(char32_t c, int byte) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return byte == static_cast<int>(c);
    return byte == '?' || (byte >= 0x80 && byte <= 0x9F);
}

void checkField(const QString& field) {
    const QString encoded = encodeMailField(field);
    qsizetype at = 0;
    // Walk the field's characters and the encoding side by side: a copied character stands
    // for itself, anything else for exactly one escape.
    for (const char32_t c : field.toUcs4()) {
        check(at < encoded.size(), "encoding ends early", field);
        if (copied(c)) {
            check(encoded[at] == QChar(c), "a printable character was not copied", field);
            ++at;
            continue;
        }
        check(at + 3 <= encoded.size() && encoded[at] == u'%' && upperHex(encoded[at + 1]) &&
                  upperHex(encoded[at + 2]),
              "a character outside the copied range was not escaped", field);
        check(plausibleByte(c, encoded.mid(at + 1, 2).toInt(nullptr, 16)),
              "an escape stands for the wrong byte", field);
        at += 3;
    }
    check(at == encoded.size(), "encoding holds more than the field", field);
    for (const QChar c : encoded)
        check(c != u'&' && c != u'\r' && c != u'\n' && c.unicode() >= 0x20 && c.unicode() <= 0x7E,
              "a bare character outside the copied range", field);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Input input = fuzz::readInput(data, size, 5);
    for (const QString& text : input.texts)
        checkField(text);
    const QStringList& t = input.texts;
    QString query;
    const char* keys[] = {"&CC=", "&BCC=", "&Subject=", "&Body="};
    for (int i = 0; i < 4; ++i)
        if (!t[i + 1].isEmpty())
            query += QLatin1String(keys[i]) + encodeMailField(t[i + 1]);
    if (!query.isEmpty())
        query[0] = u'?';
    check(mailtoUrl(t[0], t[1], t[2], t[3], t[4]) == "mailto:" + t[0] + query,
          "the URL differs from its items", t.join(u'|'));
    return 0;
}
