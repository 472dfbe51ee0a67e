#pragma once

#include "core/codepage.h"

#include <QString>

namespace spawnsmith {

// Percent-encodes one field of a mailto: URL: blank to tilde stay as they are, except "&";
// every other character becomes "%" and the two upper-case hex digits of its code in the code
// page (the last two for a two-byte code, "3F" for a character the page lacks).
QString encodeMailField(QStringView text, const CodePage& codePage = windows1252());

// "mailto:", the address as it is, then the non-empty fields among CC, BCC, Subject and Body,
// each as "&Key=" and its encoded value, the first "&" turned into "?".
QString mailtoUrl(const QString& to, const QString& cc, const QString& bcc, const QString& subject,
                  const QString& body, const CodePage& codePage = windows1252());

} // namespace spawnsmith
