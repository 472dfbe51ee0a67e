#include "cli/listcommand.h"

#include "cli/commandline.h"
#include "cli/diagnostics.h"
#include "cli/gamenames.h"
#include "cli/options.h"
#include "cli/outputsink.h"

namespace spawnsmith::cli {
namespace {

// The model or pickup type a row generates: the fragment's word after the opcode's name
// (" = create_pickup #BAT type  2 at  " gives "#BAT"; GTA3's items give "-29 (ADRENALINE)").
QString modelOf(const CatalogueRow& row) {
    QString model = QString::fromUtf8(row.fragment).section(u' ', 3);
    for (const QLatin1String end :
         {QLatin1String(" type "), QLatin1String("  "), QLatin1String(" -1 ")})
        if (const qsizetype at = model.indexOf(end); at >= 0)
            model.truncate(at);
    return model;
}

} // namespace

int runList(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Lists the catalogue rows, one a line, tab-separated: game, kind, row and "
                       "the model or type it generates. San Andreas vehicles, which generate no "
                       "code, have no model.\n\nExample: spawnsmith list --game sa --kind item"));
    addGameAndKindOptions(parser);
    if (const std::optional<int> done = parseSubcommand(parser, arguments, Positional::None))
        return *done;
    const std::optional<Game> game = gameNamed(parser.value(QStringLiteral("game")));
    const std::optional<Kind> kind = kindNamed(parser.value(QStringLiteral("kind")));
    OutputSink output(OutputSink::Mode::Direct);
    for (const CatalogueEntry& catalogue : allCatalogues()) {
        if ((game && catalogue.game != *game) || (kind && catalogue.kind != *kind))
            continue;
        const QString start = gameWord(catalogue.game) + u'\t' + kindWord(catalogue.kind) + u'\t';
        for (const CatalogueRow& row : catalogue.rows) {
            QString line = start + QString::fromUtf8(row.text);
            if (catalogue.generates)
                line += u'\t' + modelOf(row);
            output.write(line);
        }
    }
    return output.commit() ? Success : DataError;
}

} // namespace spawnsmith::cli
