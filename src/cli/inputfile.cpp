#include "cli/inputfile.h"

#include "cli/delimitedreader.h"
#include "cli/tomlreader.h"
#include "cli/xyzreader.h"

#include <QFileInfo>

#include <cstdio>

namespace spawnsmith::cli {

InputFile::InputFile(const QString& name, Diagnostics& diagnostics)
    : name(name), diagnostics(diagnostics), lines(file, name, diagnostics) {}

bool InputFile::open(Format format) {
    const bool standardInput = name == u'-';
    if (!standardInput) {
        file.setFileName(name);
        if (QFileInfo(name).isDir()) {
            diagnostics.error({name}, QStringLiteral("is a directory"));
            return false;
        }
    }
    if (!(standardInput ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly))) {
        diagnostics.error({name}, QStringLiteral("cannot be read: %1").arg(file.errorString()));
        return false;
    }
    if (format == Format::Auto) {
        QString first;
        if (!lines.next(first))
            return true; // empty: no records
        lines.putBack();
        bool guessed = false;
        format = detectFormat(standardInput ? QString() : name, first, guessed);
        if (guessed)
            diagnostics.note(
                lines.place(),
                QStringLiteral("read as %1 (--format sets it)").arg(formatWord(format)));
    }
    switch (format) {
    case Format::Auto:
    case Format::Xyz:
        reader = std::make_unique<XyzReader>(lines);
        break;
    case Format::Csv:
        reader = std::make_unique<DelimitedReader>(lines, u',');
        break;
    case Format::Tsv:
        reader = std::make_unique<DelimitedReader>(lines, u'\t');
        break;
    case Format::Toml:
        reader = std::make_unique<TomlReader>(lines);
        break;
    }
    return true;
}

} // namespace spawnsmith::cli
