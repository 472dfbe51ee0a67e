#include "cli/batchcommand.h"

#include "cli/commandline.h"
#include "cli/inputfile.h"
#include "cli/nameregistry.h"
#include "cli/nametemplate.h"
#include "cli/options.h"
#include "cli/outputsink.h"
#include "cli/spawnmaker.h"

namespace spawnsmith::cli {
namespace {

const char* const description =
    R"(Prints one result per input record, in input order, each exactly as "spawnsmith line" prints it. FILE "-" is standard input.

Formats: plain coordinate lines ("x y z", separated by commas and/or blanks); CSV or TSV with a header naming any of game, kind, row, name, ammo, x, y, z, alarm, doorlock, angle; TOML location lists ("Grove Street" = "0, 2495.09, -1687.39, 13.52": interior, x, y, z; the key made a valid variable name is the record's name). UTF-8 with or without BOM, LF or CR LF, blank lines and # comments.

A column option gives the value for records whose file lacks that column. --name is a template for every record: {n} counts the run's records from 1, {name} is the record's own name (its column or TOML key), {table} its TOML table. Duplicate names are errors.

A number longer than its box (X, Y, Z 7 characters; angle, alarm, door-lock 3) is rounded to fit, with a warning; --exact keeps it whole. Warnings also tell when a run holds more spawn points than the game can, and, for GTA3, coordinates its script cannot store exactly.

With any error nothing is written and the exit status is 1; --keep-going writes the good records (still exit 1).

Example: spawnsmith batch points.txt --game vc --row "Rocket Launcher" --name rl{n} --ammo 50)";

} // namespace

int runBatch(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(description));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Input files, - for standard input."),
                                 QStringLiteral("FILE..."));
    addColumnOptions(parser);
    const QCommandLineOption formatOption(
        QStringLiteral("format"), QStringLiteral("The input format (default auto)."),
        QStringLiteral("auto|xyz|csv|tsv|toml"), QStringLiteral("auto"));
    const QCommandLineOption keepGoing(QStringLiteral("keep-going"),
                                       QStringLiteral("Write the good records despite errors."));
    parser.addOption(formatOption);
    parser.addOption(keepGoing);
    if (const std::optional<int> done = parseSubcommand(parser, arguments, Positional::Files))
        return *done;
    const std::optional<Format> format = formatNamed(parser.value(formatOption));
    if (!format)
        return usageError(arguments,
                          QStringLiteral("unknown format \"%1\"").arg(parser.value(formatOption)));
    std::optional<NameTemplate> names;
    if (parser.isSet(QStringLiteral("name"))) {
        names = NameTemplate::parse(parser.value(QStringLiteral("name")));
        if (!names)
            return usageError(arguments, QStringLiteral("a name template knows only {n}, {name} "
                                                        "and {table}"));
    }

    Record defaults = optionValues(parser);
    defaults[Column::Name].reset(); // the template makes every name
    Diagnostics diagnostics;
    SpawnMaker maker(diagnostics, parser.isSet(QStringLiteral("exact")),
                     SpawnMaker::Missing::Error);
    OutputSink output(parser.isSet(keepGoing) ? OutputSink::Mode::Direct
                                              : OutputSink::Mode::HeldBack);
    NameRegistry used;
    for (const QString& name : parser.positionalArguments()) {
        InputFile input(name, diagnostics);
        if (!input.open(*format))
            continue;
        Record record;
        while (input.next(record)) {
            const Place place = input.place(record);
            if (names) {
                record[Column::Name] = names->next(record[Column::Name], record.table);
                if (!record[Column::Name]) {
                    diagnostics.error(place, QStringLiteral("no name for {name}"));
                    continue;
                }
            }
            if (const std::optional<QString>& code = record[Column::Name]) {
                if (const std::optional<Place> earlier = used.add(*code, place)) {
                    diagnostics.error(place, QStringLiteral("name \"%1\" already used at %2")
                                                 .arg(*code, shownPlace(*earlier)));
                    continue;
                }
            }
            if (const std::optional<QString> result = maker.make(place, record, defaults))
                output.write(*result);
        }
    }
    const bool good = diagnostics.errors() == 0;
    if ((good || parser.isSet(keepGoing)) && !output.commit()) {
        diagnostics.error({QStringLiteral("spawnsmith batch")},
                          QStringLiteral("standard output cannot be written"));
        return DataError;
    }
    return good ? Success : DataError;
}

} // namespace spawnsmith::cli
