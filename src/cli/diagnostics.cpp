#include "cli/diagnostics.h"

#include <cstdio>

namespace spawnsmith::cli {
QString shownPlace(const Place& place) {
    const QString file = place.file == u'-' ? QStringLiteral("<stdin>") : place.file;
    return place.line > 0 ? file + u':' + QString::number(place.line) : file;
}

void printToStandardError(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
}

void Diagnostics::error(const Place& place, const QString& message) {
    ++errorCount;
    printToStandardError(shownPlace(place) + QLatin1String(": ") + message + u'\n');
}

void Diagnostics::warning(const Place& place, const QString& message) {
    printToStandardError(shownPlace(place) + QLatin1String(": warning: ") + message + u'\n');
}

void Diagnostics::note(const Place& place, const QString& message) {
    printToStandardError(shownPlace(place) + QLatin1String(": ") + message + u'\n');
}

} // namespace spawnsmith::cli
