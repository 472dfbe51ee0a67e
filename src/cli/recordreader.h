#pragma once

#include "cli/record.h"
#include "cli/textlines.h"

namespace spawnsmith::cli {

// Turns the lines of one input file into records, one at a time and in input order.
class RecordReader {
public:
    explicit RecordReader(TextLines& lines) : lines(lines) {}
    virtual ~RecordReader() = default;
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    // The next record; false at the end of the file. A line that makes no record is reported
    // and passed over.
    virtual bool next(Record& record) = 0;

protected:
    TextLines& lines;
};

} // namespace spawnsmith::cli
