#include "platform/ansicodepage.h"

#include <QList>
#include <QString>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace spawnsmith {

#ifdef Q_OS_WIN

std::optional<QByteArray> toAnsiCode(char32_t character) {
    const QString text = QString::fromUcs4(&character, 1);
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    char bytes[8];
    // A UTF-8 code page holds everything and refuses the "default character used" report.
    const bool utf8 = GetACP() == CP_UTF8;
    BOOL usedDefault = FALSE;
    const int size =
        WideCharToMultiByte(CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, wide, int(text.size()), bytes,
                            int(sizeof bytes), nullptr, utf8 ? nullptr : &usedDefault);
    if (size <= 0 || usedDefault)
        return std::nullopt;
    return QByteArray(bytes, size);
}

#else

namespace {

// Windows-1252 is Latin-1 but for its 0x80-0x9F row, which holds typographic characters; the
// five bytes of that row without a character (0x81, 0x8D, 0x8F, 0x90, 0x9D) hold none here.
constexpr char16_t windows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

std::optional<QByteArray> toAnsiCode(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return QByteArray(1, char(character));
    for (int i = 0; i < 32; ++i)
        if (windows1252High[i] != 0 && windows1252High[i] == character)
            return QByteArray(1, char(0x80 + i));
    return std::nullopt;
}

#endif

QByteArray toAnsiCodePage(QStringView text) {
    QByteArray result;
    result.reserve(text.size());
    for (const char32_t character : text.toUcs4())
        result.append(toAnsiCode(character).value_or(QByteArrayLiteral("?")));
    return result;
}

} // namespace spawnsmith
