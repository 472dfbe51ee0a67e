#pragma once

#include <QString>

namespace spawnsmith {

class Platform;

// Hands the message's mailto: URL, in the system's ANSI code page, to the desktop's mail
// program once, on behalf of the owner window. What the desktop makes of it is not examined.
void sendEMail(Platform& platform, quintptr ownerWindow, const QString& to, const QString& cc,
               const QString& bcc, const QString& subject, const QString& body);

} // namespace spawnsmith
