#pragma once

#include "book/pagetable.h"

class QWidget;
class QuestionnairePage;

namespace Questionnaires {

// Builds the questionnaire of a page on it; nullptr for pages without one. The page's entry step
// runs its reset.
QuestionnairePage *build(PageId page, QWidget *widget);

} // namespace Questionnaires
