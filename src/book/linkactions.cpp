#include "book/linkactions.h"

void LinkActions::follow(int row) const
{
    if (row < 0 || row >= TLinkTable::rows().size())
        return;
    const TLinkEntry &link = TLinkTable::row(row);
    switch (link.kind) {
    case TLinkKind::PageLink:
        m_navigator.GoToPage(link.target);
        break;
    case TLinkKind::WebLink:
        // Nothing in the program changes: the page, its scroll position and its answers stay.
        m_openWebPage(TLinkTable::address(link));
        break;
    case TLinkKind::ExitLink:
        m_closeMainWindow();
        break;
    }
}
