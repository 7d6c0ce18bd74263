#pragma once

#include <QString>
#include <QVector>

// The 42 fixed pages of the e-book: which exist, what kind each is, where it stands in the
// page container and in the reading order, its heading and how tall its layout is.
// Constant data; nothing here needs a widget.

// A page is named TabSheet1 .. TabSheet42; PageId is that number.
using PageId = int;

constexpr int kPageCount = 42;
constexpr PageId kStartPage = 36;     // the cover
constexpr PageId kContentsPage = 38;
constexpr PageId kNoPage = 0;

enum class TPageKind { Cover, Preface, Contents, SectionIntro, Questionnaire, Article, Advert };

// Topic group of the related-links panel at a page's foot.
enum class LinkGroup { None, CareerPlanning, MiniTests, Interview, Resume, Workplace, AdvertBlock, BrandOnly };

enum FooterLink : unsigned {
    FooterNone = 0,
    FooterPrevious = 1,   // "上一页"
    FooterContents = 2,   // "目录页"
    FooterNext = 4,       // "下一页"
    FooterExit = 8,       // "退出", in place of the next link
};

// How a page's links depart from the common look.
enum PageLook : unsigned {
    LookCommon = 0,
    MaroonRelatedLinks = 1,      // its related links are maroon, not black
    BoldFooter = 2,              // its footer links are bold like the rest of its page
    BrandOpensArticleSite = 4,   // "Norwell官网" opens the article site's root, not the main site
    BrandWithoutFullStop = 8,    // the brand sentence "了解详情请点击 … 进行查询" has no full stop
};

struct TPageEntry {
    PageId id;
    int readingPosition;      // 1..42
    TPageKind kind;
    const char *heading;      // UTF-8, exact (trailing blanks included); empty for the cover
    const char *subHeading;   // second heading line or a later heading; may be empty
    int layoutHeight;
    bool hasQuestionnaire;
    LinkGroup related;
    unsigned footer;          // FooterLink flags
    unsigned look = LookCommon;   // PageLook flags

    int position() const { return id - 1; }
    QString name() const { return pageName(id); }
    static QString pageName(PageId id) { return QStringLiteral("TabSheet%1").arg(id); }
};

class TPageTable {
public:
    // A page that does not exist is a programming error: a debug build stops on it, a release
    // build answers with the cover's row.
    static const TPageEntry &entry(PageId id);
    static const TPageEntry *byName(const QString &name); // nullptr when unknown
    static bool isValid(PageId id) { return id >= 1 && id <= kPageCount; }

    // Reading order: the sequence previous/next follow.
    static const QVector<PageId> &readingOrder();
    static PageId previous(PageId id); // kNoPage before the cover
    static PageId next(PageId id);     // kNoPage after the last advert

    static bool hasLook(PageId id, PageLook look) { return entry(id).look & look; }
};
