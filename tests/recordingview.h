#pragma once

#include "book/quiz/questionnaire.h"

#include <QMap>

// Records what a questionnaire writes, without any widget.
class RecordingView : public IQuestionnaireView {
public:
    QMap<int, int> shownAnswers;
    QStringList resultLines;
    QMap<QString, QString> fields;
    QStringList notices;
    QStringList errors;

    void showAnswer(int number, int index) override { shownAnswers[number] = index; }
    void clearResultBox() override { resultLines.clear(); }
    void addResultLine(const QString &line) override { resultLines << line; }
    void setFieldText(const QString &name, const QString &text) override { fields[name] = text; }
    void showNotice(const QString &text) override { notices << text; }
    void showError(const QString &text) override { errors << text; }
};
