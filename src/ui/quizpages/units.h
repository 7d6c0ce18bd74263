#pragma once

#include "ui/quizpages/unitsupport.h"

#include <memory>

// One unit per questionnaire: its model (questions, key, bands, texts) and its page.
namespace Units {
std::unique_ptr<TQuestionnaire> eqModel();
std::unique_ptr<TQuestionnaire> philModel();
std::unique_ptr<TQuestionnaire> characterModel();
std::unique_ptr<TQuestionnaire> interpersonalModel();
std::unique_ptr<TQuestionnaire> stressQuizModel();
std::unique_ptr<TQuestionnaire> stressTestModel();
std::unique_ptr<TQuestionnaire> pstriModel();

std::unique_ptr<TQuestionnaire> orientationModel();
std::unique_ptr<TQuestionnaire> aptitudeModel();

QuestionnairePage *eqPage(QWidget *page);
QuestionnairePage *orientationPage(QWidget *page);
QuestionnairePage *aptitudePage(QWidget *page);
QuestionnairePage *drivingForcePage(QWidget *page);
QString drivingForceStatement(int pair, bool first);
QuestionnairePage *philPage(QWidget *page);
QuestionnairePage *characterPage(QWidget *page);
QuestionnairePage *interpersonalPage(QWidget *page);
QuestionnairePage *stressQuizPage(QWidget *page);
QuestionnairePage *stressTestPage(QWidget *page);
QuestionnairePage *pstriPage(QWidget *page);
} // namespace Units
