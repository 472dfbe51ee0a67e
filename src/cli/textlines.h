#pragma once

#include "cli/diagnostics.h"
#include "cli/linesource.h"

namespace spawnsmith::cli {

// The meaningful lines of one input file: blank lines and lines starting with '#' are passed
// over, a line too long to read or a file that is not text is reported as an error.
class TextLines {
public:
    TextLines(QIODevice& device, QString file, Diagnostics& diagnostics)
        : source(device), file(std::move(file)), diagnostics(diagnostics) {}

    bool next(QString& line);
    // Hands the line last read out once more on the next call (after a look at it).
    void putBack() { repeat = true; }
    Place place() const { return {file, source.lineNumber()}; }
    Diagnostics& report() { return diagnostics; }

private:
    LineSource source;
    QString file;
    Diagnostics& diagnostics;
    QString last;
    bool repeat = false;
};

} // namespace spawnsmith::cli
