#include "info/sendemail.h"

#include "core/codepage.h"
#include "core/mailto.h"
#include "platform/platform.h"

namespace spawnsmith {

void sendEMail(Platform& platform, quintptr ownerWindow, const QString& to, const QString& cc,
               const QString& bcc, const QString& subject, const QString& body) {
    const CodePage& codePage = platform.ansiCodePage();
    const QString url = mailtoUrl(to, cc, bcc, subject, body, codePage);
    platform.openUrl(codePage.encode(url), ownerWindow);
}

} // namespace spawnsmith
