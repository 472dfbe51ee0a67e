#pragma once

#include <QCommandLineParser>
#include <QStringList>

#include <optional>

namespace spawnsmith::cli {

// Exit statuses: 0 all went well, 1 the data had errors, 2 the command was used wrongly.
enum Status { Success = 0, DataError = 1, UsageError = 2 };

// Whether a program started with these arguments is the command line rather than the wizard:
// its first argument is a subcommand (list, line, batch) or asks for help or the version.
// Decided on the raw arguments, before any application object exists.
bool isCommandLine(int argc, const char* const* argv);

// Runs the command line on the program's arguments (the program's name first).
int runCommandLine(const QStringList& arguments, const QString& version);

// What a subcommand takes besides options: nothing, or one or more input files.
enum class Positional { None, Files };

// Parses a subcommand's arguments and checks --game, --kind and the positional arguments;
// prints its help and gives Success for --help, prints the problem and gives UsageError for a
// wrong use, gives nullopt when the subcommand may run.
std::optional<int> parseSubcommand(QCommandLineParser& parser, const QStringList& arguments,
                                   Positional positional);

// Reports a wrong use of the subcommand (arguments[0], "spawnsmith batch") and gives UsageError.
int usageError(const QStringList& arguments, const QString& message);

} // namespace spawnsmith::cli
