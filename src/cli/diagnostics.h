#pragma once

#include <QString>

namespace spawnsmith::cli {

// Where a message points: a file (shown as given, "-" as <stdin>) and a line, or only the
// program when the line number is 0.
struct Place {
    QString file;
    qint64 line = 0;
};

// "file:line", with "-" shown as <stdin> and the line left out when it is 0.
QString shownPlace(const Place& place);

// Writes errors and warnings to standard error as "file:line: message" and
// "file:line: warning: message", and counts the errors.
class Diagnostics {
public:
    void error(const Place& place, const QString& message);
    void warning(const Place& place, const QString& message);
    void note(const Place& place, const QString& message);
    int errors() const { return errorCount; }

private:
    int errorCount = 0;
};

// Writes text to standard error as UTF-8.
void printToStandardError(const QString& text);

} // namespace spawnsmith::cli
