#include "book/quiz/answers.h"

#include "book/quiz/drivingforce.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace Quiz {

QStringList answersOf(const IPageTest &test)
{
    QStringList answers;
    if (const auto *choices = dynamic_cast<const TQuestionnaire *>(&test)) {
        for (const TChoiceQuestion &q : choices->Questions)
            answers << (q.AnswerIndex < 0 ? QString() : QString::number(q.AnswerIndex));
    } else if (const auto *boxes = dynamic_cast<const DrivingForceTest *>(&test)) {
        for (int i = 0; i < DrivingForceTest::kBoxes; ++i)
            answers << boxes->text(i);
    }
    return answers;
}

QString encodeAnswers(const QStringList &answers)
{
    return QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(answers)).toJson(QJsonDocument::Compact));
}

QStringList decodeAnswers(const QString &text)
{
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    QStringList answers;
    for (const QJsonValue &v : document.array()) {
        if (!v.isString())
            return {};
        answers << v.toString();
    }
    return answers;
}

bool putBack(IPageTest &test, const QStringList &answers, IQuestionnaireView &view)
{
    if (auto *choices = dynamic_cast<TQuestionnaire *>(&test)) {
        if (answers.size() != choices->Questions.size())
            return false;
        for (int number = 1; number <= answers.size(); ++number) {
            bool ok = false;
            const int index = answers[number - 1].toInt(&ok);
            if (!ok || index < 0 || index >= choices->question(number).options.size())
                continue;
            choices->select(number, index);
            view.showAnswer(number, choices->question(number).AnswerIndex);
        }
        return true;
    }
    if (auto *boxes = dynamic_cast<DrivingForceTest *>(&test)) {
        if (answers.size() != DrivingForceTest::kBoxes)
            return false;
        for (int i = 0; i < DrivingForceTest::kBoxes; ++i)
            boxes->putBack(i, answers[i].left(DrivingForceTest::kMaxTextLength), view);
        return true;
    }
    return false;
}

} // namespace Quiz
