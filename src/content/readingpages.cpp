#include "readingpages.h"

#include "linkblocks.h"

using namespace PageGeometry;

namespace {

bool carriesLogo(TPageKind kind)
{
    return kind != TPageKind::Cover && kind != TPageKind::Advert;
}

QString utf8(const char *s)
{
    return QString::fromUtf8(s);
}

} // namespace

TPageContent ReadingPages::pageTop(PageId page)
{
    const TPageEntry &entry = TPageTable::entry(page);
    TPageContent content{page, {}};
    if (carriesLogo(entry.kind))
        content.blocks.append(Blocks::logo());
    const QString heading = utf8(entry.heading);
    switch (entry.kind) {
    case TPageKind::Cover:
    case TPageKind::Advert:
        break;
    case TPageKind::Contents:
        content.blocks.append(Blocks::label(heading, QRect(kLogo.right() + 12, kHeadingTop, 500, 34),
                                            TFontSpec{kFaceSong, 21, true, false, {}},
                                            Qt::AlignHCenter | Qt::AlignVCenter));
        break;
    case TPageKind::Questionnaire:
        content.blocks.append(Blocks::heading(heading, kHeadingTop, 20));
        if (*entry.subHeading)
            content.blocks.append(Blocks::heading(utf8(entry.subHeading), kHeadingTop + 30, 16));
        break;
    default:
        content.blocks.append(Blocks::heading(heading));
        break;
    }
    return content;
}

TPageContent ReadingPages::content(PageId page)
{
    TPageContent content = pageTop(page);
    // Links come last: the cover's picture links lie above the cover picture.
    content.blocks += LinkBlocks::forPage(page);
    return content;
}
