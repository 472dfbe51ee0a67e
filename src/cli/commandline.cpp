#include "cli/commandline.h"

#include "cli/batchcommand.h"
#include "cli/diagnostics.h"
#include "cli/linecommand.h"
#include "cli/listcommand.h"
#include "cli/options.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace spawnsmith::cli {
namespace {

constexpr const char* subcommands[] = {"list", "line", "batch"};
constexpr const char* helpWords[] = {"--help", "-h"};
constexpr const char* versionWords[] = {"--version", "-v"};

template <std::size_t count> bool isOneOf(const char* word, const char* const (&words)[count]) {
    for (const char* candidate : words)
        if (std::strcmp(word, candidate) == 0)
            return true;
    return false;
}

const char* const overview = R"(Usage: spawnsmith [list | line | batch] [options]

Without arguments spawnsmith opens the wizard. With a subcommand it writes main.scm lines to
standard output, each exactly as the wizard's result box shows it for the same typed input,
followed by one line break (a car generator's two lines keep their CR LF). Errors and warnings
go to standard error as "file:line: message"; the exit status is 0 when all went well, 1 when
the data had errors and 2 when the command was used wrongly.

Subcommands:
  list    The catalogue rows, one a line, tab-separated: game, kind, row, model.
          San Andreas vehicles, which generate no code, are listed without a model.
            spawnsmith list --game vc --kind weapon
  line    One line from the boxes given as options; a box the row's screen does not read
          is ignored. Rows are named by their list text, case and blanks aside.
            spawnsmith line --game vc --row "Rocket Launcher" --name rl1 --ammo 50 --x 1 --y 2 --z 3
  batch   One line per record of coordinate lists (FILE "-" is standard input): plain
          "x y z" lines, CSV or TSV with a header, or TOML location lists.
            spawnsmith batch points.txt --game vc --row "Rocket Launcher" --name rl{n} --ammo 50

Options:
  -h, --help     This help; "spawnsmith SUBCOMMAND --help" describes a subcommand's options.
  -v, --version  The program's version.
)";

} // namespace

bool isCommandLine(int argc, const char* const* argv) {
    if (argc < 2)
        return false;
    return isOneOf(argv[1], subcommands) || isOneOf(argv[1], helpWords) ||
           isOneOf(argv[1], versionWords);
}

int usageError(const QStringList& arguments, const QString& message) {
    printToStandardError(
        QStringLiteral("%1: %2\nTry \"%1 --help\".\n").arg(arguments.value(0), message));
    return UsageError;
}

std::optional<int> parseSubcommand(QCommandLineParser& parser, const QStringList& arguments,
                                   Positional positional) {
    const QCommandLineOption help = parser.addHelpOption();
    if (!parser.parse(arguments))
        return usageError(arguments, parser.errorText());
    if (parser.isSet(help)) {
        // The parser names the program as started ("/usr/bin/spawnsmith"); the usage line
        // names the subcommand as typed ("spawnsmith batch").
        QString usage = parser.helpText();
        const QString usagePrefix = QStringLiteral("Usage: ");
        usage.replace(usagePrefix.size(), QCoreApplication::arguments().value(0).size(),
                      arguments.value(0));
        const QByteArray text = usage.toUtf8();
        std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout);
        return Success;
    }
    if (const std::optional<QString> problem = checkGameAndKind(parser))
        return usageError(arguments, *problem);
    const QStringList given = parser.positionalArguments();
    if (positional == Positional::None && !given.isEmpty())
        return usageError(arguments, QStringLiteral("unexpected argument \"%1\"").arg(given[0]));
    if (positional == Positional::Files && given.isEmpty())
        return usageError(arguments, QStringLiteral("no input file (- reads standard input)"));
    return std::nullopt;
}

int runCommandLine(const QStringList& arguments, const QString& version) {
    const QString first = arguments.value(1);
    // Each subcommand parses its own arguments, its name standing in for the program's.
    QStringList rest = arguments.mid(2);
    rest.prepend(QStringLiteral("spawnsmith ") + first);
    if (first == QLatin1String("list"))
        return runList(rest);
    if (first == QLatin1String("line"))
        return runLine(rest);
    if (first == QLatin1String("batch"))
        return runBatch(rest);
    if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        std::printf("spawnsmith %s\n", version.toUtf8().constData());
        return Success;
    }
    std::fputs(overview, stdout);
    return Success;
}

} // namespace spawnsmith::cli
