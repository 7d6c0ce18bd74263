#include "ui/quizpages/unitsupport.h"

#include "book/texts.h"

namespace UnitSupport {

QString text(const char *file, const QString &key)
{
    return TextData::text(QString::fromLatin1(file), key);
}

QStringList lines(const char *file, const QString &key)
{
    QStringList result = text(file, key).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString &line : result)
        line = line.trimmed();
    return result;
}

QString prompt(const char *file, int number)
{
    return text(file, QStringLiteral("q%1").arg(number));
}

QStringList options(const char *file, int number)
{
    return lines(file, QStringLiteral("q%1.opts").arg(number));
}

TChoiceQuestion question(int number, const QString &prompt, const QStringList &options, int columns,
                         const QVector<int> &points)
{
    TChoiceQuestion q;
    q.Number = number;
    q.prompt = prompt;
    q.options = options;
    q.columns = columns;
    q.Points = points;
    return q;
}

QVector<int> repeat(const QVector<int> &points, int count)
{
    QVector<int> all;
    for (int i = 0; i < count; ++i)
        all += points;
    return all;
}

std::function<QString(int)> numbered(const char *prefix, int offset)
{
    const QString p = QString::fromLatin1(prefix);
    return [p, offset](int number) { return p + QString::number(number + offset); };
}

int contentTop(PageId page)
{
    return *TPageTable::entry(page).subHeading ? 92 : 76;
}

int contentBottom(PageId page)
{
    return TPageTable::entry(page).layoutHeight - PageGeometry::kFootReserve;
}

} // namespace UnitSupport
