#pragma once

#include "book/layout/geometry.h"
#include "book/pagetable.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <QVector>

// What a page shows, as data: an ordered list of blocks placed in page coordinates.
// One builder turns blocks into widgets; no page is assembled by hand.

// The face names are the e-book's own; start-up maps them onto the fonts this machine has.
inline const char *const kFaceSans = "MS Sans Serif";
inline const char *const kFaceSong = "宋体";

struct FontSpec {
    const char *face = kFaceSans;
    int pixelSize = 13;
    bool bold = false;
    bool underline = false;
    QColor color;                 // invalid: the window-text colour
};

// A link is a row of the link table placed on the page; a panel is the framed ground a
// related-links block stands on; a field is a one-line box the reader types into.
enum class BlockKind { Picture, Label, TextBox, Rule, Link, Panel, Field };

// Where a block's left edge and width come from: its place as given, its place shrunk to the
// width of its one line of text, or (shrunk too) right after the previous block on that block's line.
// Below: the block's top is the previous block's bottom plus place.top().
enum class Flow { Placed, FitText, RunOn, Below };

struct TContentBlock {
    BlockKind kind = BlockKind::Label;
    QRect place;                  // left, top, width, height in page coordinates; a text box of
                                  // height 0 is as tall as its text
    QString text;                 // label or text box text; the picture's resource path; a field's
                                  // accessible name
    FontSpec font;
    QString name;                 // objectName, where the block has one
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
    bool editable = false;        // text boxes only
    bool scrollBar = false;       // text boxes only
    QString hint;                 // fields only: shown while the field is empty
    int link = -1;                // links only: the row in TLinkTable
    Flow flow = Flow::Placed;
};

struct TPageContent {
    PageId page = kNoPage;
    QVector<TContentBlock> blocks;
};


// Where a questionnaire's own content starts (below its title) and must end (above the
// related-links panel and footer).
namespace PageGeometry {
inline int questionnaireTop(PageId page) { return *TPageTable::entry(page).subHeading ? 92 : 76; }
inline int questionnaireBottom(PageId page) { return TPageTable::entry(page).layoutHeight - kFootReserve; }
} // namespace PageGeometry

// Block makers, so that page data reads like the page.
namespace Blocks {
TContentBlock picture(const QString &resource, const QRect &place, const QString &name = {});
TContentBlock label(const QString &text, const QRect &place, const FontSpec &font,
                    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop, const QString &name = {});
TContentBlock textBox(const QString &text, const QRect &place, const FontSpec &font, const QString &name = {});
TContentBlock rule(int top, char glyph = '-');
TContentBlock logo();
// A link of the link table at `place` (a picture's resource goes in `picture`). Text links are
// shrunk to their caption, so that only the caption reacts to the pointer; their weight, underline
// and colour come from the link table, their face and size from `font`.
TContentBlock link(int row, const QRect &place, const FontSpec &font = {}, const QString &picture = {});
TContentBlock panel(const QRect &place);
TContentBlock field(const QString &name, const QString &accessibleName, const QString &hint, const QRect &place,
                    const FontSpec &font);
// The page heading centred beside the logo.
TContentBlock heading(const QString &text, int top = PageGeometry::kHeadingTop, int pixelSize = 16);
} // namespace Blocks
