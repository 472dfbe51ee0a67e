#pragma once

#include <QByteArray>

namespace spawnsmith {

// Asks the desktop portal (org.freedesktop.portal.OpenURI on the session bus) to open a URL
// with the desktop's default handler. A D-Bus message takes the URL whole, however long, where
// a command line argument would be cut off by the system's limit. Returns false, having done
// nothing, when there is no session bus or the URL is not valid UTF-8; a refusal that comes
// back from the bus later is written to standard error.
bool openUrlThroughPortal(const QByteArray& url);

} // namespace spawnsmith
