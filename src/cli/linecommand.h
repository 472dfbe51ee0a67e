#pragma once

#include <QStringList>

namespace spawnsmith::cli {

// spawnsmith line --row R [--game G] [--kind K] [boxes...]: one result from typed boxes.
int runLine(const QStringList& arguments);

} // namespace spawnsmith::cli
