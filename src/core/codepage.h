#pragma once

#include <QByteArray>
#include <QStringView>

namespace spawnsmith {

// An ANSI code page: the character set in which the desktop shell takes a URL, and whose codes
// the mail encoding writes as "%XX".
class CodePage {
public:
    virtual ~CodePage() = default;

    // The character's bytes in this code page (two for a double-byte character); "?" for a
    // character the page cannot hold. Never empty.
    virtual QByteArray bytesOf(char32_t character) const = 0;

    // The text's bytes, character by character. A surrogate pair is one character; a lone
    // surrogate is a character no code page holds.
    QByteArray encode(QStringView text) const;
};

// Windows-1252, the ANSI code page of Western European Windows systems, which the wizard uses
// wherever the system has no ANSI code page of its own.
const CodePage& windows1252();

} // namespace spawnsmith
