#pragma once

#include "book/pagetable.h"

class DeferredBuild;
class QWidget;
class QuestionnairePage;

namespace Quiz {
struct QuizRecord;
}

namespace Questionnaires {

// Builds the questionnaire of a page on it from its record; nullptr for pages without one. The
// page's entry step runs its reset. What would start below `fold` (page coordinates) is left to
// `rest`, in order.
QuestionnairePage *build(PageId page, QWidget *widget, DeferredBuild &rest, int fold);

// The parts of the three career tests that no other questionnaire has, laid out below the head
// texts the common builder has placed.
void layOutDrivingForce(QuestionnairePage &page, const Quiz::QuizRecord &record);
void layOutOrientation(QuestionnairePage &page, const Quiz::QuizRecord &record);
void layOutAptitude(QuestionnairePage &page, const Quiz::QuizRecord &record);

} // namespace Questionnaires
