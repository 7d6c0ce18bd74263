// The character test on TabSheet3: fifteen preference questions worth 2 to 20 points each.
#include "ui/quizpages/units.h"

using namespace UnitSupport;

namespace {
const char *const kData = ":/data/character.txt";

const char *const kOptions[15] = {
    "A、草莓|B、苹果|C、西瓜|D、菠萝|E、橘子",
    "A、郊外|B、电影院|C、公园|D、商场|E、酒吧|F、练歌房",
    "A、有才气的人|B、依赖你的人|C、优雅的人|D、善良的人|E、性情豪放的人",
    "A、猫|B、马|C、大象|D、猴子|E、狗|F、狮子",
    "A、游泳|B、喝冷饮|C、开空调",
    "A、蛇|B、猪|C、老鼠|D、苍蝇",
    "A、悬疑推理类|B、童话神话类|C、自然科学类|D、伦理道德类|E、 战争枪战",
    "A、打火机|B、口红|C、记事本|D、纸巾|E、手机",
    "A、火车|B、自行车|C、汽车|D、飞机|E、步行",
    "A、紫|B、黑|C、蓝|D、白|E、黄|F、红",
    "A、瑜珈|B、自行车|C、乒乓球|D、拳击|E、足球|F、蹦极",
    "A、湖边|B、草原|C、海边|D、森林|E、城中区",
    "A、雪|B、风|C、雨|D、雾|E、雷电",
    "A、七层|B、一层|C、二十三层|D、十八层|E、三十层",
    "A、丽江|B、拉萨|C、昆明|D、西安|E、杭州|F、北京",
};

const QVector<int> kPoints[15] = {
    {2, 3, 5, 10, 15},    {2, 3, 5, 10, 15, 20}, {2, 3, 5, 10, 15}, {2, 3, 5, 10, 15, 20}, {5, 10, 15},
    {2, 5, 10, 15},       {2, 3, 5, 10, 15},     {2, 2, 3, 5, 10},  {2, 3, 5, 10, 15},     {2, 3, 5, 8, 10, 15},
    {2, 3, 5, 8, 10, 15}, {2, 3, 5, 10, 15},     {2, 3, 5, 10, 15}, {2, 3, 5, 10, 15},     {2, 3, 5, 8, 10, 15},
};
} // namespace

std::unique_ptr<TQuestionnaire> Units::characterModel()
{
    auto model = std::make_unique<TQuestionnaire>(3);
    for (int k = 1; k <= 15; ++k)
        model->Questions.append(question(k, prompt(kData, k),
                                         QString::fromUtf8(kOptions[k - 1]).split(QLatin1Char('|')), 2,
                                         kPoints[k - 1]));
    const int bounds[][2] = {{INT_MIN, 39}, {40, 69}, {70, 99}, {100, 139}, {140, 179}, {180, INT_MAX}};
    for (int i = 0; i < 6; ++i)
        model->Bands.append({bounds[i][0], bounds[i][1], text(kData, QStringLiteral("verdict%1").arg(i + 1))});
    model->ScoreField = QStringLiteral("ed_df3");
    return model;
}

QuestionnairePage *Units::characterPage(QWidget *page)
{
    auto *p = new QuestionnairePage(page, characterModel(), contentTop(3));
    p->text(QString::fromUtf8("测试说明："), QuestionnaireFonts::heading());
    p->text(text(kData, "intro"), QuestionnaireFonts::intro());
    p->text(QString::fromUtf8("测试开始："), QuestionnaireFonts::heading());
    p->questions(1, 15, QuestionnairePage::Prompt::Caption, numbered("rdgp3_"));
    p->scoreBlock(QStringLiteral("Button3_1"), QString::fromUtf8("测试结果："), QStringLiteral("ed_df3"), false,
                  QStringLiteral("Memo3_1"), 112, QuestionnaireFonts::result());
    return p;
}
