// The EQ test on TabSheet1: 33 questions, the common flows unchanged.
#include "ui/quizpages/units.h"

using namespace UnitSupport;

namespace {

const char *const kData = ":/data/eq.txt";

QStringList optionsOf(int k)
{
    const auto s = [](std::initializer_list<const char *> labels) {
        QStringList out;
        for (const char *l : labels)
            out << QString::fromUtf8(l);
        return out;
    };
    switch (k) {
    case 1: case 3: case 7: case 8: return s({"A.是的", "B.不一定", "C.不是的"});
    case 2: return s({"A.和从前相仿", "B.不一定", "C.和从前不一样"});
    case 4: return s({"A.不是的", "B.不一定", "C.是的"});
    case 5: return s({"A.从未如此", "B.偶尔如此", "C.经常如此"});
    case 6: return s({"A.我仍能专心工作", "B.介于A、C之间", "C.我不能专心工作且感到愤怒"});
    case 9: case 10: return s({"A.是的", "B.介于A、C之间", "C.不是的"});
    case 11: return s({"A.是的", "B.不太确定", "C.不是的"});
    case 12: return s({"A.极易入睡", "B.介于A、C之间", "C.不易入睡"});
    case 13: return s({"A.不露声色", "B.介于A、C之间", "C.大声抗议，以泄己愤"});
    case 14: case 15: return s({"A.不是的", "B.介于A、C之间", "C.是的"});
    case 16: return s({"A.不是的", "B.不太确定", "C.是的"});
    case 17: return s({"A.从来没有", "B.偶尔有过", "C.这是常有的事"});
    case 18: case 19: return s({"A.没有", "B.记不清", "C.有"});
    case 20: return s({"A.从来没有想过", "B.偶尔想到过", "C.经常想到"});
    case 21: return s({"A.否", "B.说不清楚", "C.是"});
    case 22: return s({"A.否", "B.不清楚", "C.是"});
    case 23: case 24: case 25: return s({"A.否", "B.偶尔是", "C.是"});
    case 26: case 27: case 28: case 29: return s({"是", "否"});
    default: return s({"从不", "几乎不", "一半时间是", "大多数时间是", "总是"});
    }
}

QVector<int> pointsOf(int k)
{
    if (k <= 9)
        return {6, 3, 0};
    if (k <= 25)
        return {5, 2, 0};
    if (k <= 29)
        return {5, 0};
    return {1, 2, 3, 4, 5};
}

} // namespace

std::unique_ptr<TQuestionnaire> Units::eqModel()
{
    auto model = std::make_unique<TQuestionnaire>(1);
    for (int k = 1; k <= 33; ++k)
        model->Questions.append(question(k, prompt(kData, k), optionsOf(k), k <= 29 ? 3 : 5,
                                         pointsOf(k)));
    model->Bands = {{INT_MIN, 89, text(kData, "verdict1")},
                    {90, 129, text(kData, "verdict2")},
                    {130, 149, text(kData, "verdict3")},
                    {150, INT_MAX, QString::fromUtf8("你就是个EQ高手，你的情绪智慧将是你事业有成的一个重要前提条件。")}};
    model->ScoreField = QStringLiteral("ed_df2");
    return model;
}

QuestionnairePage *Units::eqPage(QWidget *page)
{
    auto *p = new QuestionnairePage(page, eqModel(), contentTop(1));
    p->text(text(kData, "intro"), QuestionnaireFonts::intro());
    p->questions(1, 33, QuestionnairePage::Prompt::Caption, numbered("rdgp1_"));
    p->scoreBlock(QStringLiteral("Button1_1"), QString::fromUtf8("测试结果："), QStringLiteral("ed_df2"), false,
                  QStringLiteral("Memo1_1"), 96, {kFaceSans, 17, false, false, {}});
    return p;
}
