// Mail field encoding and the mailto: URL on any texts. Checked on every input: each output
// character is either copied from the printable range (blank to tilde, "&" excepted) or part
// of a "%XX" escape with upper-case digits; no "&", CR or LF is left bare; decoding the
// escapes gives back the field's Windows-1252 bytes ("?" for what the page lacks); and the URL
// is the fields' items in order with the first "&" turned into "?".

#include "fuzzinput.h"

#include "core/codepage.h"
#include "core/mailto.h"
#include "support/model/mailto.h"

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

void checkField(const QString& field) {
    const QString encoded = encodeMailField(field);
    QByteArray decoded;
    qsizetype at = 0;
    // Walk the field's characters and the encoding side by side: a copied character stands
    // for itself, anything else for exactly one escape.
    for (const char32_t c : field.toUcs4()) {
        check(at < encoded.size(), "encoding ends early", field);
        if (copied(c)) {
            check(encoded[at] == QChar(c), "a printable character was not copied", field);
            decoded.append(static_cast<char>(c));
            ++at;
            continue;
        }
        check(at + 3 <= encoded.size() && encoded[at] == u'%' && upperHex(encoded[at + 1]) &&
                  upperHex(encoded[at + 2]),
              "a character outside the copied range was not escaped", field);
        decoded.append(static_cast<char>(encoded.mid(at + 1, 2).toInt(nullptr, 16)));
        at += 3;
    }
    check(at == encoded.size(), "encoding holds more than the field", field);
    for (const QChar c : encoded)
        check(c != u'&' && c != u'\r' && c != u'\n' && c.unicode() >= 0x20 && c.unicode() <= 0x7E,
              "a bare character outside the copied range", field);
    check(decoded == model::toWindows1252(field), "escapes do not decode to the field's bytes",
          field);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Input input = fuzz::readInput(data, size, 5);
    for (const QString& text : input.texts)
        checkField(text);
    const QStringList& t = input.texts;
    const QByteArray url = windows1252().encode(mailtoUrl(t[0], t[1], t[2], t[3], t[4]));
    check(url == model::expectedMailto(t[0], t[1], t[2], t[3], t[4]),
          "the URL differs from its items", t.join(u'|'));
    return 0;
}
