#pragma once

#include <QByteArray>
#include <QStringView>

#include <optional>

namespace spawnsmith {

// The system's ANSI code page: the active code page on Windows, Windows-1252 everywhere else.

// One character's bytes in the code page, or nothing when the page cannot hold it.
std::optional<QByteArray> toAnsiCode(char32_t character);

// Text in the code page; a character the page cannot hold becomes "?".
QByteArray toAnsiCodePage(QStringView text);

} // namespace spawnsmith
