#pragma once

#include "cli/record.h"

#include <QCommandLineParser>

namespace spawnsmith::cli {

// Adds --game and --kind.
void addGameAndKindOptions(QCommandLineParser& parser);

// Adds an option for every column (--game, --kind, --row, --name, --ammo, --x ... --angle) and
// --exact, with the help texts the subcommands share.
void addColumnOptions(QCommandLineParser& parser);

// The columns the options give, as a record of defaults.
Record optionValues(const QCommandLineParser& parser);

// Checks the words of --game and --kind; the message for the first that names nothing.
std::optional<QString> checkGameAndKind(const QCommandLineParser& parser);

} // namespace spawnsmith::cli
