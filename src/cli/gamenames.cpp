#include "cli/gamenames.h"

namespace spawnsmith::cli {
namespace {

constexpr const char* gameWords[] = {"gta3", "vc", "sa"};
constexpr const char* gameTitles[] = {"GTA3", "GTA VC", "GTA SA"};
constexpr const char* kindWords[] = {"weapon", "item", "car"};

template <typename Enum, std::size_t count>
std::optional<Enum> named(const QString& word, const char* const (&words)[count]) {
    const QString key = word.trimmed().toLower();
    for (std::size_t i = 0; i < count; ++i)
        if (key == QLatin1String(words[i]))
            return Enum(i);
    return std::nullopt;
}

} // namespace

QString gameWord(Game game) {
    return QLatin1String(gameWords[int(game)]);
}

QString kindWord(Kind kind) {
    return QLatin1String(kindWords[int(kind)]);
}

std::optional<Game> gameNamed(const QString& word) {
    return named<Game>(word, gameWords);
}

std::optional<Kind> kindNamed(const QString& word) {
    return named<Kind>(word, kindWords);
}

QString unknownGame(const QString& word) {
    return QStringLiteral("unknown game \"%1\" (gta3, vc or sa)").arg(word);
}

QString unknownKind(const QString& word) {
    return QStringLiteral("unknown kind \"%1\" (weapon, item or car)").arg(word);
}

QString gameTitle(Game game) {
    return QLatin1String(gameTitles[int(game)]);
}

} // namespace spawnsmith::cli
