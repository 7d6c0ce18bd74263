#include "ui/quizpages/questionnaires.h"

#include "ui/quizpages/units.h"

QuestionnairePage *Questionnaires::build(PageId page, QWidget *widget)
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
    for (const auto &unit : units)
        if (unit.page == page)
            return unit.build(widget);
    return nullptr;
}
