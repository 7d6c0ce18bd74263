// The career aptitude test on TabSheet10: every selection rewrites its own question's cells of the
// tally sheet at once; "计算总分" only checks that all 23 are answered and adds the rows up.
#include "book/quiz/tallysheet.h"
#include "ui/quizpages/units.h"

#include <QPlainTextEdit>

using namespace UnitSupport;
using namespace PageGeometry;

namespace {
const char *const kData = ":/data/aptitude.txt";

// The cells option A and option B of each question set to 1 (0: none). A question with one cell
// (1, 8, 20) keeps it in both places: option A clears it, option B sets it. Question 5 feeds
// no total: its two options describe no leaning that the six rows measure.
const int kCells[23][2] = {
    {0, 27},  {11, 4},  {26, 18}, {12, 5},  {0, 0},   {20, 13}, {19, 29}, {0, 32},  {35, 21}, {31, 33}, {7, 14}, {34, 36},
    {38, 22}, {8, 15},  {9, 16},  {37, 39}, {42, 40}, {23, 41}, {43, 46}, {0, 47},  {17, 10}, {24, 44}, {45, 25},
};

const char *const kTotalNames[TTallySheet::kRows] = {"Edit48", "Edit49", "Edit50", "Edit51", "Edit52", "Edit53"};

class AptitudeTest : public TQuestionnaire {
public:
    AptitudeTest() : TQuestionnaire(10)
    {
        HasResultBox = false;
        FinishFillsQuestionList = true;
    }

protected:
    void answerChanged(int number) override
    {
        const int *cells = kCells[number - 1];
        for (int option = 0; option < 2; ++option)
            if (cells[option])
                tallySheet().set(cells[option], 0);
        const int chosen = cells[question(number).AnswerIndex];
        if (chosen)
            tallySheet().set(chosen, 1);
    }

    QString incompleteMessage(const QString &unanswered) const override
    {
        return unanswered + QStringLiteral("题未被选中!请检查！");
    }

    // Reads the tally sheet only, never the answers.
    void writeResult(int, IQuestionnaireView &view) override
    {
        for (int row = 0; row < TTallySheet::kRows; ++row)
            view.setFieldText(QString::fromLatin1(kTotalNames[row]), QString::number(tallySheet().total(row)));
    }

    QStringList fieldsClearedOnReset() const override
    {
        QStringList fields;
        for (const char *name : kTotalNames)
            fields << QString::fromLatin1(name);
        return fields;
    }
};

// Questions 1..9 are RadioGroup121..129, 10..23 RadioGroup131..144: no group bears 130.
QString groupName(int number)
{
    return QStringLiteral("RadioGroup%1").arg(number <= 9 ? 120 + number : 121 + number);
}
} // namespace

std::unique_ptr<TQuestionnaire> Units::aptitudeModel()
{
    auto model = std::make_unique<AptitudeTest>();
    for (int k = 1; k <= 23; ++k)
        model->Questions.append(question(k, k <= 15 ? prompt(kData, k) : QString(),
                                         options(kData, k), k == 11 ? 1 : 2, {0, 0}));
    return model;
}

QuestionnairePage *Units::aptitudePage(QWidget *page)
{
    auto *p = new QuestionnairePage(page, aptitudeModel(), contentTop(10));
    p->text(QString::fromUtf8("第一部分："), QuestionnaireFonts::heading());
    p->text(text(kData, "intro"), QuestionnaireFonts::intro());
    p->text(QString::fromUtf8("注：回答问题没有正误之分。"), QuestionnaireFonts::intro());
    p->questions(1, 15, QuestionnairePage::Prompt::Caption, groupName);
    p->textBox(QStringLiteral("Memo14"), QString::fromUtf8("第二部分：\n圈你喜欢的一个词"), QuestionnaireFonts::heading());
    p->questionPairs({{16, 17}, {18, 19}, {20, 21}, {22, 23}}, groupName);
    p->gap(8);

    p->text(QString::fromUtf8("每答案记1分 "), QuestionnaireFonts::heading());
    const QPlainTextEdit *memo16 = p->textBox(
        QStringLiteral("Memo16"), QString::fromUtf8("外向：\n\n内向：\n\n知觉：\n\n直觉：\n\n思考：\n\n感情："),
        QuestionnaireFonts::heading(), 0, kColumnLeft, 70);
    QStringList totals;
    for (const char *name : kTotalNames)
        totals << QString::fromLatin1(name);
    p->fieldsOnLines(memo16, {0, 2, 4, 6, 8, 10}, totals, kColumnLeft + 70, 80, false);
    p->finishButton(QStringLiteral("Button4"), QString::fromUtf8("计算总分"));

    const struct {
        const char *heading;
        const char *memo;
        const char *key;
    } references[] = {{"[情绪定向]：", "Memo18", "memo18"}, {"[工作作风]：", "Memo19", "memo19"},
                      {"[综 合]：", "Memo20", "memo20"}, {nullptr, "Memo21", "memo21"}};
    for (const auto &r : references) {
        if (r.heading)
            p->text(QString::fromUtf8(r.heading), QuestionnaireFonts::heading());
        p->textBox(QString::fromLatin1(r.memo), text(kData, r.key), QuestionnaireFonts::intro());
    }
    return p;
}
