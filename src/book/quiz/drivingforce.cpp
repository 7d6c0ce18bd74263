#include "book/quiz/drivingforce.h"

#include <QStringList>

namespace {

// Driver letters of the two statements of pairs 1..36.
const char kPairLetters[DrivingForceTest::kPairs][3] = {
    "AB", "CD", "EF", "GH", "IA", "BC", "DE", "FG", "AD", "CE", "AH", "BD", "CF", "EG", "FH", "AE", "BF", "CG",
    "DH", "AF", "BG", "CH", "FH", "BE", "CI", "EH", "BI", "AG", "EI", "BH", "DG", "GI", "AC", "IH", "FD", "ID",
};

const QStringList kItems{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
}

// A box's text as a whole number: an optional sign and decimal digits that fit 32 bits, with
// blanks around them. Anything else is not one, a NUL or letters after the digits included
// (QString::toInt alone would stop at a NUL and take "3<NUL>abc" for 3).
bool readWholeNumber(const QString &text, int &n)
{
    qsizetype from = 0, to = text.size();
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    if (from < to && (text[from] == QLatin1Char('+') || text[from] == QLatin1Char('-')))
        ++from;
    if (from == to)
        return false;
    for (qsizetype i = from; i < to; ++i)
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9'))
            return false;
    bool ok = false;
    n = text.toInt(&ok);
    return ok;
}

} // namespace

DrivingForceTest::DrivingForceTest(QString incomplete) : m_incomplete(std::move(incomplete))
{
    int ordinal[9] = {};
    for (int pair = 1; pair <= kPairs; ++pair) {
        for (int side = 0; side < 2; ++side) {
            const char driver = kPairLetters[pair - 1][side];
            const int n = ++ordinal[driver - 'A'];
            m_boxes.append({driver, pair, side == 0, QStringLiteral("cmb%1%2").arg(QChar(driver)).arg(n)});
        }
    }
    m_texts.resize(kBoxes);
}

int DrivingForceTest::value(int index) const
{
    return static_cast<int>(kItems.indexOf(m_texts[index]));
}

void DrivingForceTest::write(int index, const QString &text, IQuestionnaireView &view)
{
    m_texts[index] = text;
    view.setFieldText(m_boxes[index].name, text);
}

void DrivingForceTest::readerChanged(int index, const QString &text, IQuestionnaireView &view)
{
    if (index < 0 || index >= kBoxes)
        return;
    m_texts[index] = text;
    int n = 0;
    if (!readWholeNumber(text, n)) {
        view.showError(QStringLiteral("'%1' is not a valid integer value.").arg(text));
        return;
    }
    // The partner takes the rest of the 3 points; writing it runs no change step of its own,
    // so the coupling never cascades.
    write(partnerOf(index), QString::number(3 - qint64(n)), view);
}

void DrivingForceTest::Finish(IQuestionnaireView &view)
{
    int totals[9] = {};
    int emptyBoxes = 0;
    for (int i = 0; i < kBoxes; ++i) {
        const int v = value(i);
        if (v < 0)
            ++emptyBoxes;
        else
            totals[m_boxes[i].driver - 'A'] += v;
    }
    if (emptyBoxes >= kPairs) {
        view.showNotice(m_incomplete);
        return;
    }
    for (int d = 0; d < 9; ++d)
        view.setFieldText(totalField(kDrivers[d]), scoreWithUnit(totals[d]));
}

void DrivingForceTest::Reset(IQuestionnaireView &view)
{
    for (int i = 0; i < kBoxes; ++i)
        write(i, QString(), view);
    for (int d = 0; d < 9; ++d)
        view.setFieldText(totalField(kDrivers[d]), QString());
}

QVector<int> DrivingForceTest::unansweredItems() const
{
    QVector<int> missing;
    for (int pair = 1; pair <= kPairs; ++pair)
        if (value(2 * pair - 2) < 0 || value(2 * pair - 1) < 0)
            missing << pair;
    return missing;
}
