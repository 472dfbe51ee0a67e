#include "core/mailto.h"

#include <QList>

namespace spawnsmith {

QString encodeMailField(QStringView text, const CodePage& codePage) {
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    QString encoded;
    encoded.reserve(text.size());
    for (const char32_t character : text.toUcs4()) {
        if (character >= ' ' && character <= '~' && character != '&') {
            encoded.append(QChar(static_cast<char16_t>(character)));
            continue;
        }
        const QByteArray code = codePage.bytesOf(character);
        const auto last = static_cast<unsigned char>(code.isEmpty() ? '?' : code.back());
        const char escape[] = {'%', hexDigits[last >> 4], hexDigits[last & 0xF]};
        encoded.append(QLatin1String(escape, 3));
    }
    return encoded;
}

QString mailtoUrl(const QString& to, const QString& cc, const QString& bcc, const QString& subject,
                  const QString& body, const CodePage& codePage) {
    const std::pair<const char*, const QString&> items[] = {
        {"&CC=", cc}, {"&BCC=", bcc}, {"&Subject=", subject}, {"&Body=", body}};
    QString query;
    for (const auto& [key, value] : items)
        if (!value.isEmpty())
            query += QLatin1String(key) + encodeMailField(value, codePage);
    if (!query.isEmpty())
        query[0] = QLatin1Char('?');
    return QStringLiteral("mailto:") + to + query;
}

} // namespace spawnsmith
