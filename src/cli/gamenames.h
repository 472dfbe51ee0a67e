#pragma once

#include "core/cataloguetable.h"

#include <QString>

#include <optional>

namespace spawnsmith::cli {

// The words the command line uses for games (gta3, vc, sa) and kinds (weapon, item, car).
QString gameWord(Game game);
QString kindWord(Kind kind);
// The game or kind a word names, ignoring case and surrounding blanks.
std::optional<Game> gameNamed(const QString& word);
std::optional<Kind> kindNamed(const QString& word);
// The messages for a word that names no game or no kind.
QString unknownGame(const QString& word);
QString unknownKind(const QString& word);
// The game as messages call it ("GTA VC").
QString gameTitle(Game game);

} // namespace spawnsmith::cli
