#pragma once

#include "book/layout/blocks.h"

// The links of a page, with the plain texts that frame them (group labels, the brand lines, the
// advert programme lines), placed as content blocks. Other content of a page stays clear of them:
//  - pages with a related-links panel or footer keep them in the band of PageGeometry::kFootReserve
//    at the page's foot, the same way on every page;
//  - section pages start their entry list at kSectionListTop, below the introduction;
//  - advert pages hold the course banner and the advert block from kAdvertBlockTop down.
namespace LinkBlocks {

constexpr int kSectionListTop = 200;
constexpr int kAdvertBlockTop = 1480;

QVector<TContentBlock> forPage(PageId page);

} // namespace LinkBlocks
