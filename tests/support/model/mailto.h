#pragma once

// The mailto: URL the e-mail composer hands over, built from the field texts by the encoding
// rule itself, for a desktop whose ANSI code page is Windows-1252.

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

namespace spawnsmith::model {

// The Windows-1252 byte of a character, if it has one. 0x80-0x9F hold typographic characters;
// the five bytes there without a character (0x81, 0x8D, 0x8F, 0x90, 0x9D) hold none.
inline std::optional<unsigned char> windows1252(char32_t c) {
    static constexpr std::array<char32_t, 32> high = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < high.size(); ++i)
        if (high[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

// The Windows-1252 bytes of a text, one per character (a surrogate pair is one character);
// "?" stands for a character without a byte.
inline QByteArray toWindows1252(const QString& text) {
    QByteArray bytes;
    for (char32_t c : text.toUcs4())
        bytes.append(static_cast<char>(windows1252(c).value_or('?')));
    return bytes;
}

// Blank to tilde but "&" stay; any other character becomes "%" and two upper-case hex digits
// of its byte, which is "?" (3F) for a character Windows-1252 lacks.
inline QByteArray encodedMailField(const QString& text) {
    QByteArray out;
    for (char32_t c : text.toUcs4()) {
        if (c >= 0x20 && c <= 0x7E && c != '&') {
            out.append(static_cast<char>(c));
            continue;
        }
        const unsigned char b = windows1252(c).value_or('?');
        out.append('%').append(QByteArray::number(b, 16).toUpper().rightJustified(2, '0'));
    }
    return out;
}

inline QByteArray expectedMailto(const QString& to, const QString& cc, const QString& bcc,
                                 const QString& subject, const QString& body) {
    QByteArray query;
    const std::pair<const char*, const QString*> items[] = {
        {"&CC=", &cc}, {"&BCC=", &bcc}, {"&Subject=", &subject}, {"&Body=", &body}};
    for (const auto& [key, value] : items)
        if (!value->isEmpty())
            query.append(key).append(encodedMailField(*value));
    if (!query.isEmpty())
        query[0] = '?';
    return "mailto:" + toWindows1252(to) + query;
}

} // namespace spawnsmith::model
