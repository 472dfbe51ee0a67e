#pragma once

#include <QString>

#include <optional>

namespace spawnsmith::cli {

enum class Format { Auto, Xyz, Csv, Tsv, Toml };

// The format a --format word names (auto, xyz, csv, tsv, toml).
std::optional<Format> formatNamed(const QString& word);
QString formatWord(Format format);

// The format a file is read in when --format is auto: from the file name's ending when it has
// a known one (.csv, .tsv, .toml), otherwise from its first meaningful line. `guessed` tells
// whether the content decided.
Format detectFormat(const QString& fileName, const QString& firstLine, bool& guessed);

} // namespace spawnsmith::cli
