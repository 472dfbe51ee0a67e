#include "core/codepage.h"

#include <QList>

namespace spawnsmith {
namespace {

// Windows-1252 is Latin-1 but for its 0x80-0x9F row, which holds typographic characters; the
// five bytes of that row without a character (0x81, 0x8D, 0x8F, 0x90, 0x9D) hold none here.
// The page is written out because Qt's own converters know only the Unicode encodings, Latin-1
// and the system's locale: outside Windows there is no converter for the ANSI code page that
// the URLs must be handed over in.
constexpr char16_t highRow[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                  0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

class Windows1252 final : public CodePage {
public:
    QByteArray bytesOf(char32_t character) const override {
        if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
            return QByteArray(1, static_cast<char>(character));
        for (int i = 0; i < 32; ++i)
            if (highRow[i] != 0 && highRow[i] == character)
                return QByteArray(1, static_cast<char>(0x80 + i));
        return QByteArrayLiteral("?");
    }
};

} // namespace

QByteArray CodePage::encode(QStringView text) const {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t character : text.toUcs4())
        bytes.append(bytesOf(character));
    return bytes;
}

const CodePage& windows1252() {
    static const Windows1252 page;
    return page;
}

} // namespace spawnsmith
