#include "platform/ansicodepage.h"

#include <QList>
#include <QString>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <array>
#include <cstdint>
#include <iconv.h>
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

// A conversion descriptor from UTF-32 to Windows-1252, opened once and reset per character.
class Windows1252 {
public:
    Windows1252() : m_cd(iconv_open("WINDOWS-1252", "UTF-32LE")) {}
    ~Windows1252() {
        if (valid())
            iconv_close(m_cd);
    }
    Windows1252(const Windows1252&) = delete;
    Windows1252& operator=(const Windows1252&) = delete;

    std::optional<QByteArray> encode(char32_t code) {
        if (!valid())
            return std::nullopt;
        std::array<char, 4> in = {char(code & 0xFF), char((code >> 8) & 0xFF),
                                  char((code >> 16) & 0xFF), char((code >> 24) & 0xFF)};
        std::array<char, 8> out{};
        char* inPtr = in.data();
        char* outPtr = out.data();
        size_t inLeft = in.size();
        size_t outLeft = out.size();
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1))
            return std::nullopt;
        return QByteArray(out.data(), qsizetype(out.size() - outLeft));
    }

private:
    // iconv_open reports failure as (iconv_t)-1.
    bool valid() const { return reinterpret_cast<intptr_t>(m_cd) != -1; }

    iconv_t m_cd;
};

} // namespace

std::optional<QByteArray> toAnsiCode(char32_t character) {
    if (character < 0x80)
        return QByteArray(1, char(character)); // ASCII is the same in every ANSI code page
    static Windows1252 codec;                  // the user-interface thread is the only caller
    return codec.encode(character);
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
