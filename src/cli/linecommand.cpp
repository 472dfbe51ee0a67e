#include "cli/linecommand.h"

#include "cli/commandline.h"
#include "cli/options.h"
#include "cli/outputsink.h"
#include "cli/spawnmaker.h"

namespace spawnsmith::cli {

int runLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Prints the text the wizard's result box shows for the row and the boxes given. A box "
        "not given is an empty box; a box the row's screen does not read is ignored. A number "
        "longer than its box is rounded to fit, with a warning.\n\nExample: spawnsmith line "
        "--game vc --row \"Rocket Launcher\" --name rl1 --ammo 50 --x 1 --y 2 --z 3"));
    addColumnOptions(parser);
    if (const std::optional<int> done = parseSubcommand(parser, arguments, Positional::None))
        return *done;
    if (!parser.isSet(QStringLiteral("row")))
        return usageError(arguments, QStringLiteral("which row? (--row)"));

    Diagnostics diagnostics;
    SpawnMaker maker(diagnostics, parser.isSet(QStringLiteral("exact")),
                     SpawnMaker::Missing::Empty);
    const std::optional<QString> result =
        maker.make(Place{QStringLiteral("spawnsmith line")}, Record{}, optionValues(parser));
    if (!result)
        return DataError;
    OutputSink output(OutputSink::Mode::Direct);
    output.write(*result);
    return output.commit() ? Success : DataError;
}

} // namespace spawnsmith::cli
