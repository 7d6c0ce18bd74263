#pragma once

#include <QRect>
#include <QSize>

// Placements shared by the page layouts, the picture generator and the tests. Qt Core only, so
// that every one of them can include it.

// The built-in pictures, at the sizes their blocks are laid out for.
namespace PictureSize {
constexpr QSize kLogo{137, 57};
constexpr QSize kIcon{48, 48};
constexpr QSize kCover{630, 893};
constexpr QSize kCoverBlock{625, 897};   // the cover's block clips its picture
constexpr QSize kEnter{161, 49};
constexpr QSize kSiteLine{209, 17};
constexpr QSize kAdvert{745, 377};
constexpr QSize kCourse{745, 89};
} // namespace PictureSize

// Page geometry shared by every page: the container is 921 wide, the right strip covers its
// right-hand 71 pixels and the left strip its left-hand 4, so content lives between them.
namespace PageGeometry {
constexpr int kVisibleLeft = 4;
constexpr int kVisibleRight = 850;
constexpr int kColumnLeft = 30;
constexpr int kColumnWidth = 800;
constexpr QRect kLogo{QPoint(12, 8), PictureSize::kLogo};
constexpr int kHeadingTop = 20;
constexpr int kBodyTop = 74;
// The related-links panel, brand block and footer live in this band at a page's foot.
constexpr int kFootReserve = 250;
// The cover picture, centred between the strips.
constexpr int kCoverLeft = 112;
// The cover's two picture links, in the cover picture's coordinates.
constexpr QRect kEnterOnCover{QPoint(232, 700), PictureSize::kEnter};
constexpr QRect kSiteLineOnCover{QPoint(208, 860), PictureSize::kSiteLine};
// Advert pictures are centred between the strips.
constexpr int centredLeft(int width) { return kVisibleLeft + (kVisibleRight - kVisibleLeft - width) / 2; }
} // namespace PageGeometry
