#pragma once

#include "../navigation/navigator.h"

#include <functional>

class QWidget;

namespace Questionnaires {

// Builds every questionnaire on its page and registers its reset with the page's entry step.
void attach(const std::function<QWidget *(PageId)> &pageOf, TNavigator &navigator);

} // namespace Questionnaires
