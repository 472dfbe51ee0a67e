#include "support/goldendata.h"

#include <QFile>
#include <QTest>

namespace spawnsmith::golden {

namespace {

QStringList contentLines(const QString& file) {
    QFile data(QStringLiteral(SPAWNSMITH_TEST_DATA) + u'/' + file);
    if (!data.open(QIODevice::ReadOnly)) {
        QTest::qFail(qPrintable("cannot read " + data.fileName()), __FILE__, __LINE__);
        return {};
    }
    QStringList found;
    for (const QString& line : QString::fromUtf8(data.readAll()).split(u'\n'))
        if (!line.isEmpty() && !line.startsWith(u'#'))
            found << line;
    return found;
}

} // namespace

QList<Row> table(const QString& file) {
    const QStringList all = contentLines(file);
    if (all.isEmpty())
        return {};
    const QStringList columns = all.first().split(u'\t');
    QList<Row> rows;
    for (qsizetype i = 1; i < all.size(); ++i) {
        const QStringList cells = all[i].split(u'\t');
        if (cells.size() != columns.size()) {
            QTest::qFail(qPrintable(QStringLiteral("%1: line %2 has %3 cells, not %4")
                                        .arg(file)
                                        .arg(i)
                                        .arg(cells.size())
                                        .arg(columns.size())),
                         __FILE__, __LINE__);
            return {};
        }
        Row row;
        for (qsizetype c = 0; c < columns.size(); ++c)
            row.insert(columns[c], cells[c]);
        rows << row;
    }
    return rows;
}

QStringList lines(const QString& file) {
    return contentLines(file);
}

QString unescaped(QString cell) {
    return cell.replace(QLatin1String("\\r\\n"), QLatin1String("\r\n"));
}

} // namespace spawnsmith::golden
