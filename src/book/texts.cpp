#include "book/texts.h"

#include <QFile>
#include <QStringList>

namespace {

QString trimmedLines(const QStringList &lines)
{
    qsizetype first = 0, last = lines.size();
    while (first < last && lines[first].trimmed().isEmpty())
        ++first;
    while (last > first && lines[last - 1].trimmed().isEmpty())
        --last;
    return lines.mid(first, last - first).join(QLatin1Char('\n'));
}

} // namespace

QHash<QString, QString> TextData::parse(const QString &source)
{
    QHash<QString, QString> entries;
    QString key;
    QStringList lines;
    bool open = false;
    const QStringList all = QString(source).remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
    for (const QString &line : all) {
        if (line.startsWith(QLatin1String("@@ "))) {
            if (open)
                entries.insert(key, trimmedLines(lines));
            key = line.mid(3).trimmed();
            lines.clear();
            open = true;
        } else if (open) {
            lines.append(line);
        }
    }
    if (open)
        entries.insert(key, trimmedLines(lines));
    return entries;
}

const QHash<QString, QString> &TextData::file(const QString &resourcePath)
{
    static QHash<QString, QHash<QString, QString>> cache;
    auto it = cache.find(resourcePath);
    if (it == cache.end()) {
        QFile f(resourcePath);
        QHash<QString, QString> entries;
        if (f.open(QIODevice::ReadOnly))
            entries = parse(QString::fromUtf8(f.readAll()));
        it = cache.insert(resourcePath, entries);
    }
    return *it;
}

QString TextData::text(const QString &resourcePath, const QString &key)
{
    const QHash<QString, QString> &entries = file(resourcePath);
    const auto found = entries.constFind(key);
    Q_ASSERT_X(found != entries.constEnd(), "TextData::text", qPrintable(resourcePath + QLatin1Char(' ') + key));
    return found != entries.constEnd() ? *found : QString();
}

QString TextData::optional(const QString &resourcePath, const QString &key)
{
    return file(resourcePath).value(key);
}

QStringList TextData::lines(const QString &text)
{
    QStringList result = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString &line : result)
        line = line.trimmed();
    result.removeAll(QString());
    return result;
}
