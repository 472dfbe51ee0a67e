#pragma once

#include "cli/recordreader.h"

namespace spawnsmith::cli {

// Plain coordinate lines, "x y z", the three separated by commas and/or blanks, as in-game
// coordinate tools copy the player's position.
class XyzReader : public RecordReader {
public:
    using RecordReader::RecordReader;
    bool next(Record& record) override;
};

// The pieces of a text between separators (commas, blanks, tabs), empty pieces left out.
QStringList coordinatePieces(const QString& text);

} // namespace spawnsmith::cli
