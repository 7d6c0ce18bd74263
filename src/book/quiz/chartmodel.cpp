#include "book/quiz/chartmodel.h"

#include "book/quiz/drivingforce.h"
#include "book/quiz/tallysheet.h"
#include "book/quiz/variants.h"
#include "book/texts.h"

#include <algorithm>
#include <numeric>

namespace Quiz {

namespace {

// The reference order of the interest letters and where each stands among the questions.
const QString kOrientationOrder = QStringLiteral("RIASEC");

// The labels of the highest values, ties with the last place kept ({"S","A","E","C"} when E and
// C share the third place), ties in the order of `order`.
QStringList topLetters(const QVector<int> &values, const QStringList &order, int places = 3)
{
    QVector<int> ranked(values.size());
    std::iota(ranked.begin(), ranked.end(), 0);
    std::stable_sort(ranked.begin(), ranked.end(), [&](int a, int b) { return values[a] > values[b]; });
    QStringList top;
    for (int i = 0; i < ranked.size(); ++i) {
        if (i >= places && values[ranked[i]] != values[ranked[places - 1]])
            break;
        top << order.value(ranked[i]);
    }
    return top;
}

// The highest `places` of `labels` by `values`; where the last places are shared, the ones that
// share them are named as tied: "SA（并列：E、C）".
QString topLine(const QVector<int> &values, const QStringList &labels, const QString &separator, int places = 3)
{
    const QStringList top = topLetters(values, labels, places);
    if (top.size() <= places)
        return top.join(separator);
    const int cut = values[labels.indexOf(top[places - 1])];
    QStringList sure, tied;
    for (const QString &label : top)
        (values[labels.indexOf(label)] > cut ? sure : tied) << label;
    return sure.join(separator) + commonText(QStringLiteral("chart.tie")).arg(tied.join(QStringLiteral("、")));
}

ChartModel scaleChart(const QuizRecord &record, const TQuestionnaire &model)
{
    ChartModel chart;
    for (const TChoiceQuestion &q : model.Questions) {
        chart.low += *std::min_element(q.Points.begin(), q.Points.end());
        chart.high += *std::max_element(q.Points.begin(), q.Points.end());
        chart.score += q.Points.value(q.AnswerIndex);
    }
    const QStringList names = TextData::lines(record.optionalText(QStringLiteral("bands")));
    for (int i = 0; i <= record.bandStarts.size() && !record.bandStarts.isEmpty(); ++i) {
        const int low = i == 0 ? chart.low : record.bandStarts[i - 1];
        const int high = i == record.bandStarts.size() ? chart.high : record.bandStarts[i] - 1;
        chart.bands.append({low, high, names.value(i)});
    }
    return chart;
}

ChartModel marksChart(const TQuestionnaire &model)
{
    ChartModel chart;
    chart.kind = ChartModel::Kind::Marks;
    for (const TChoiceQuestion &q : model.Questions)
        chart.items.append({QString::number(q.Number), q.Points.value(q.AnswerIndex), 1, {}, 0});
    return chart;
}

ChartModel driverChart(const QuizRecord &record, const DrivingForceTest &test)
{
    ChartModel chart;
    chart.kind = ChartModel::Kind::Bars;
    const QStringList names = TextData::lines(record.text(QStringLiteral("legend")));
    QVector<int> totals(9), maxima(9);
    for (int i = 0; i < DrivingForceTest::kBoxes; ++i) {
        const int d = test.box(i).driver - 'A';
        totals[d] += qMax(0, test.value(i));
        maxima[d] += 3;
    }
    QStringList labels;
    QVector<int> shares;
    for (int d = 0; d < 9; ++d) {
        const QString label = QChar(DrivingForceTest::kDrivers[d]) + QLatin1Char(' ') + names.value(d);
        chart.items.append({label, totals[d], maxima[d], {}, 0});
        labels << label;
        // Shares compared in whole per mille, so that equal fractions tie exactly.
        shares << totals[d] * 1000 / maxima[d];
    }
    chart.summary = record.text(QStringLiteral("chart.top"))
                        .arg(topLine(shares, labels, QStringLiteral("、")));
    return chart;
}

ChartModel letterChart(const QuizRecord &record, const TQuestionnaire &model)
{
    ChartModel chart;
    chart.kind = ChartModel::Kind::Columns;
    QVector<int> counts(6);
    QStringList letters;
    for (int i = 0; i < 6; ++i) {
        const char letter = kOrientationOrder.at(i).toLatin1();
        const int column = static_cast<int>(std::strchr(LetterCountTest::kLetters, letter) - LetterCountTest::kLetters);
        for (int n = column + 1; n <= model.Questions.size(); n += 6)
            counts[i] += model.question(n).AnswerIndex == 0 ? 1 : 0;
        chart.items.append({QString(QChar(letter)), counts[i], 10, {}, 0});
        letters << QString(QChar(letter));
    }
    chart.summary = record.text(QStringLiteral("chart.code")).arg(topLine(counts, letters, QString()));
    return chart;
}

ChartModel balanceChart(const QuizRecord &record)
{
    ChartModel chart;
    chart.kind = ChartModel::Kind::Balances;
    const QStringList rows = TextData::lines(record.text(QStringLiteral("memo16")));
    for (int pair = 0; pair < 3; ++pair) {
        const auto name = [&](int row) { return rows.value(row).remove(QChar(0xFF1A)); };
        chart.items.append({name(2 * pair), tallySheet().total(2 * pair), 0, name(2 * pair + 1),
                            tallySheet().total(2 * pair + 1)});
    }
    // 知觉 (N) or 直觉 (S), then 思考 (T) or 感情 (F).
    const ChartItem &seeing = chart.items[1], &judging = chart.items[2];
    if (seeing.value == seeing.other || judging.value == judging.other) {
        chart.summary = record.text(QStringLiteral("chart.style")).arg(record.text(QStringLiteral("style.even")));
    } else {
        const QString key = QStringLiteral("style.") + QLatin1Char(seeing.value > seeing.other ? 'N' : 'S')
                            + QLatin1Char(judging.value > judging.other ? 'T' : 'F');
        chart.summary = record.text(QStringLiteral("chart.style")).arg(record.text(key));
    }
    return chart;
}

} // namespace

ChartModel::Kind chartKind(const QuizRecord &record)
{
    switch (record.variant) {
    case Variant::CountLine:
        return ChartModel::Kind::Marks;
    case Variant::DrivingForce:
        return ChartModel::Kind::Bars;
    case Variant::LetterCounts:
        return ChartModel::Kind::Columns;
    case Variant::Tally:
        return ChartModel::Kind::Balances;
    case Variant::Banded:
    case Variant::FixedLine:
        break;
    }
    return ChartModel::Kind::Scale;
}

ChartModel chartFor(const QuizRecord &record, const IPageTest &test)
{
    ChartModel chart;
    if (const auto *drivers = dynamic_cast<const DrivingForceTest *>(&test)) {
        chart = driverChart(record, *drivers);
    } else if (const auto *model = dynamic_cast<const TQuestionnaire *>(&test)) {
        switch (record.variant) {
        case Variant::CountLine:
            chart = marksChart(*model);
            break;
        case Variant::LetterCounts:
            chart = letterChart(record, *model);
            break;
        case Variant::Tally:
            chart = balanceChart(record);
            break;
        default:
            chart = scaleChart(record, *model);
            break;
        }
    }
    chart.name = record.text(QStringLiteral("name"));
    chart.guide = record.optionalText(QStringLiteral("chart.guide"));
    return chart;
}

QString ChartModel::description() const
{
    const QString separator = commonText(QStringLiteral("chart.separator"));
    QStringList parts;
    switch (kind) {
    case Kind::Scale:
        parts << commonText(QStringLiteral("chart.describe.scale")).arg(score).arg(low).arg(high);
        for (const ChartBand &band : bands)
            if (band.low <= score && score <= band.high)
                parts << commonText(QStringLiteral("chart.describe.band")).arg(band.name).arg(band.low).arg(band.high);
        return parts.join(QString());
    case Kind::Marks:
        for (const ChartItem &item : items)
            parts << commonText(QStringLiteral("chart.describe.mark"))
                         .arg(item.label, commonText(item.value ? QStringLiteral("chart.right") : QStringLiteral("chart.wrong")));
        break;
    case Kind::Bars:
    case Kind::Columns:
        for (const ChartItem &item : items)
            parts << commonText(QStringLiteral("chart.describe.bar")).arg(item.label).arg(item.value).arg(item.maximum);
        break;
    case Kind::Balances:
        for (const ChartItem &item : items)
            parts << commonText(QStringLiteral("chart.describe.balance")).arg(item.label).arg(item.value).arg(item.otherLabel).arg(item.other);
        break;
    }
    QString text = parts.join(separator) + QChar(0x3002);
    if (!summary.isEmpty())
        text += summary + QChar(0x3002);
    return text;
}

} // namespace Quiz
