#pragma once

#include <QString>

namespace spawnsmith {

class Platform;

// Percent-encodes one field of a mailto: URL: blank to tilde stay as they are, except "&";
// every other character becomes "%" and the two upper-case hex digits of its code in the ANSI
// code page (the last two for a two-byte code, "3F" for a character the page lacks).
QString encodeMailField(const QString& text);

// "mailto:", the address as it is, then the non-empty fields among CC, BCC, Subject and Body,
// each as "&Key=" and its encoded value, the first "&" turned into "?".
QString mailtoUrl(const QString& to, const QString& cc, const QString& bcc, const QString& subject,
                  const QString& body);

// Hands the message's mailto: URL, in the ANSI code page, to the desktop's mail program once.
// What the desktop makes of it is not examined.
void sendEMail(Platform& platform, const QString& to, const QString& cc, const QString& bcc,
               const QString& subject, const QString& body);

} // namespace spawnsmith
