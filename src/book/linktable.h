#pragma once

#include "book/pagetable.h"

#include <QColor>
#include <QString>
#include <QVector>

// Every link of the collection: the contents and section entries, the related-links panels with
// their brand links, the advert blocks, the footers, the cover pictures, the preface link and the
// panel of TabSheet1. Constant data; nothing here needs a widget.

enum class TLinkKind { PageLink, WebLink, ExitLink };

// The publisher's three sites; their host names live in one table in linktable.cpp.
enum class TWebSite { MainSite, ArticleSite, ForumSite };

enum class LinkColor { WindowText, Black, Red, Maroon, Fuchsia };

// Which block of its page a link belongs to; the page layout places each block as a whole.
enum class LinkRole {
    SectionHeading,   // the four section lines of the contents page
    TopicEntry,       // the numbered entries of the contents and section pages
    RelatedLink,      // the five links of a related-links panel
    BrandLink,        // "Norwell官网"
    AdvertLink,       // the five labels of an advert block
    Picture,          // the course banners and the cover's two pictures
    EntryLink,        // "点击进入测试" on the preface
    Panel,            // the related-links panel of TabSheet1 itself
    Footer,           // "上一页", "目录页", "下一页", "退出"
};

struct TLinkEntry {
    PageId page = kNoPage;
    QString name;          // objectName; empty for footer links (their caption identifies them)
    QString caption;       // exact; empty for pictures and the panel
    TLinkKind kind = TLinkKind::PageLink;
    PageId target = kNoPage;            // PageLink
    TWebSite site = TWebSite::MainSite; // WebLink
    QString path;                       // WebLink; empty means the bare host, "/" keeps its slash
    LinkColor color = LinkColor::WindowText;   // pictures and the panel have no colour of their own
    bool bold = false;
    bool underlined = false;            // at rest
    bool hover = false;
    LinkRole role = LinkRole::TopicEntry;

    bool isPicture() const { return role == LinkRole::Picture; }
    bool isPanel() const { return role == LinkRole::Panel; }
};

class TLinkTable {
public:
    static const QVector<TLinkEntry> &rows();
    // A row that does not exist stops a debug build and reads as an empty row in a release build.
    static const TLinkEntry &row(int index);

    // Row index of the link named `name` on `page`; -1 when there is none.
    static int indexOf(PageId page, const QString &name);
    // The rows of one block of a page, in table order.
    static QVector<int> rowsOn(PageId page, LinkRole role);

    static QString host(TWebSite site);
    // "http://" + host + path.
    static QString address(const TLinkEntry &link);
    // Invalid for the window-text colour: such links keep the colour their page gives them.
    static QColor color(LinkColor color);
};
