#include "info/mail.h"

#include "platform/ansicodepage.h"
#include "platform/platform.h"

#include <QList>

namespace spawnsmith {

QString encodeMailField(const QString& text) {
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    QString encoded;
    encoded.reserve(text.size());
    for (const char32_t character : text.toUcs4()) {
        const std::optional<QByteArray> code = toAnsiCode(character);
        const auto last = static_cast<unsigned char>(code ? code->back() : '?');
        if (code && code->size() == 1 && last >= ' ' && last <= '~' && last != '&') {
            encoded.append(QLatin1Char(char(last)));
        } else {
            const char escape[] = {'%', hexDigits[last >> 4], hexDigits[last & 0xF]};
            encoded.append(QLatin1String(escape, 3));
        }
    }
    return encoded;
}

QString mailtoUrl(const QString& to, const QString& cc, const QString& bcc, const QString& subject,
                  const QString& body) {
    const std::pair<const char*, const QString&> items[] = {
        {"&CC=", cc}, {"&BCC=", bcc}, {"&Subject=", subject}, {"&Body=", body}};
    QString query;
    for (const auto& [key, value] : items)
        if (!value.isEmpty())
            query += QLatin1String(key) + encodeMailField(value);
    if (!query.isEmpty())
        query[0] = QLatin1Char('?');
    return QStringLiteral("mailto:") + to + query;
}

void sendEMail(Platform& platform, const QString& to, const QString& cc, const QString& bcc,
               const QString& subject, const QString& body) {
    platform.openUrl(toAnsiCodePage(mailtoUrl(to, cc, bcc, subject, body)));
}

} // namespace spawnsmith
