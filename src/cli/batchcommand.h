#pragma once

#include <QStringList>

namespace spawnsmith::cli {

// spawnsmith batch FILE... [options]: one result per input record, in input order.
int runBatch(const QStringList& arguments);

} // namespace spawnsmith::cli
