#pragma once

#include "book/quiz/questionnaire.h"
#include "ui/questionnairepage.h"

#include <QWidget>

// Small helpers the questionnaire units share.
namespace UnitSupport {

// An entry of the unit's built-in text file.
QString text(const char *file, const QString &key);
// An entry split into its lines (option labels).
QStringList lines(const char *file, const QString &key);
// The prompt of question `number` ("qN") and its option labels ("qN.opts").
QString prompt(const char *file, int number);
QStringList options(const char *file, int number);

TChoiceQuestion question(int number, const QString &prompt, const QStringList &options, int columns,
                         const QVector<int> &points);

// The same points for every question of a test.
QVector<int> repeat(const QVector<int> &points, int count);

// Component names of numbered choice groups: prefix + (number + offset).
std::function<QString(int)> numbered(const char *prefix, int offset = 0);

// Where a questionnaire's own content starts and must end on its page: below the title, above
// the related-links panel and footer at the page's foot.
int contentTop(PageId page);
int contentBottom(PageId page);

} // namespace UnitSupport
