#pragma once

#include <QStringList>

namespace spawnsmith::cli {

// spawnsmith list [--game G] [--kind K]: the catalogue rows, one a line.
int runList(const QStringList& arguments);

} // namespace spawnsmith::cli
