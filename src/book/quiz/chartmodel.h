#pragma once

#include "book/quiz/questionnaire.h"
#include "book/quiz/records.h"

#include <QString>
#include <QVector>

// What a questionnaire's result chart draws, made from its model after a finish that went
// through: numbers and labels only, so that the numbers can be checked without a widget.
namespace Quiz {

struct ChartBand {
    int low = 0;                  // inclusive
    int high = 0;                 // inclusive
    QString name;
};

// A bar (value of maximum), a right/wrong mark (value 1 or 0) or a balance (value on the left
// side, other on the right side).
struct ChartItem {
    QString label;
    int value = 0;
    int maximum = 0;
    QString otherLabel;           // balances only
    int other = 0;
};

struct ChartModel {
    enum class Kind { Scale, Marks, Bars, Columns, Balances };
    Kind kind = Kind::Scale;
    QString name;                 // the questionnaire's short name
    QString guide;                // how to read the chart
    // Scale: the possible scores, the bands over them (none for a plain scale) and the score.
    int low = 0;
    int high = 0;
    int score = 0;
    QVector<ChartBand> bands;
    QVector<ChartItem> items;
    QString summary;              // the line under bars and balances

    // The numbers in words, for screen readers.
    QString description() const;
};

// The kind of chart a record's questionnaire draws.
ChartModel::Kind chartKind(const QuizRecord &record);

// The chart of a finished test of `record`; `test` is the model the page runs.
ChartModel chartFor(const QuizRecord &record, const IPageTest &test);

} // namespace Quiz
