#pragma once

#include "book/layout/blocks.h"

// The content of the pages that are not questionnaires, and the common top of every page.
namespace ReadingPages {

// Logo and heading, as every page but the cover and the adverts carries them.
TPageContent pageTop(PageId page);

// Everything a page shows that is not a questionnaire's own.
TPageContent content(PageId page);

} // namespace ReadingPages
