#pragma once

#include "book/quiz/questionnaire.h"

#include <QString>
#include <QStringList>

// The answers a test holds, as the reader's records keep them: one entry per choice question (the
// chosen option's position, or empty) or per score box (its text).
namespace Quiz {

QStringList answersOf(const IPageTest &test);
// The entries in one line of text, and back; a text that is not such a list gives none.
QString encodeAnswers(const QStringList &answers);
QStringList decodeAnswers(const QString &text);

// Puts kept answers back, as the reader had given them, and shows them; entries that do not fit
// the test (a position beyond its options, a list of another length) are left out. False when the
// list is not one of this test's.
bool putBack(IPageTest &test, const QStringList &answers, IQuestionnaireView &view);

} // namespace Quiz
