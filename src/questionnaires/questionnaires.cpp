#include "questionnaires.h"

#include "units.h"

void Questionnaires::attach(const std::function<QWidget *(PageId)> &pageOf, TNavigator &navigator)
{
    const struct {
        PageId page;
        QuestionnairePage *(*build)(QWidget *);
    } units[] = {
        {1, &Units::eqPage},          {2, &Units::philPage},       {3, &Units::characterPage},
        {4, &Units::interpersonalPage}, {5, &Units::stressQuizPage}, {6, &Units::stressTestPage},
        {7, &Units::pstriPage},       {8, &Units::drivingForcePage},
        {9, &Units::orientationPage},   {10, &Units::aptitudePage},
    };
    for (const auto &unit : units) {
        QuestionnairePage *page = unit.build(pageOf(unit.page));
        navigator.registerEntryHook(unit.page, [page] { page->reset(); });
    }
}
