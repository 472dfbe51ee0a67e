#pragma once

#include "cli/formatdetect.h"
#include "cli/recordreader.h"

#include <QFile>

#include <memory>

namespace spawnsmith::cli {

// One input of a batch run, a file or standard input ("-"), read record by record in its
// format (detected from its name or content when the format is auto).
class InputFile {
public:
    InputFile(const QString& name, Diagnostics& diagnostics);

    // Opens the file and chooses its reader; false (reported) when it cannot be read.
    bool open(Format format);
    bool next(Record& record) { return reader && reader->next(record); }
    Place place(const Record& record) const { return {name, record.line}; }

private:
    QString name;
    Diagnostics& diagnostics;
    QFile file;
    TextLines lines;
    std::unique_ptr<RecordReader> reader;
};

} // namespace spawnsmith::cli
