#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace spawnsmith::golden {

// One line of a data file, its cells by column name; a column the file lacks reads as empty.
using Row = QHash<QString, QString>;

// The rows of a tab-separated file in tests/data: lines starting with "#" are comments, the
// first other line names the columns. A line with the wrong number of cells, or a file that
// cannot be read, fails the running test.
QList<Row> table(const QString& file);
// The lines of a plain list file in tests/data, comments left out.
QStringList lines(const QString& file);
// A cell's text with the four characters \r\n turned into CR LF.
QString unescaped(QString cell);

} // namespace spawnsmith::golden
