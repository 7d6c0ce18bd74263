// The link table against the product's link lists, without any window: captions and targets
// (the looks are checked on screen, in tst_links).
#include "linkexpectations.h"
#include "book/linktable.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <QTest>

using Expected::Effect;
using Expected::u;

Q_DECLARE_METATYPE(Expected::Link)

namespace {

int rowOf(const Expected::Link &link)
{
    return link.isFooter() ? TLinkTable::footerIndex(link.page, link.caption) : TLinkTable::indexOf(link.page, link.name);
}

} // namespace

class TestLinkTable : public QObject {
    Q_OBJECT
private slots:
    void everyListedLinkHasItsRow_data()
    {
        QTest::addColumn<Expected::Link>("link");
        for (const Expected::Link &link : Expected::links())
            QTest::newRow(qPrintable(link.tag())) << link;
    }
    void everyListedLinkHasItsRow()
    {
        QFETCH(Expected::Link, link);
        const int index = rowOf(link);
        QVERIFY(index >= 0);
        const TLinkEntry &row = TLinkTable::row(index);
        QCOMPARE(row.caption, link.caption);
        switch (link.effect) {
        case Effect::GoTo:
            QCOMPARE(row.kind, TLinkKind::PageLink);
            QCOMPARE(row.target, link.target);
            break;
        case Effect::Open:
            QCOMPARE(row.kind, TLinkKind::WebLink);
            QCOMPARE(TLinkTable::address(row), link.address);
            break;
        case Effect::Exit:
            QCOMPARE(row.kind, TLinkKind::ExitLink);
            break;
        }
    }

    // Nothing in the table that the lists do not name, and no link twice.
    void theTableHoldsTheListedLinksOnly()
    {
        const QVector<Expected::Link> expected = Expected::links();
        QCOMPARE(TLinkTable::rows().size(), expected.size());
        QSet<int> rows;
        for (const Expected::Link &link : expected)
            rows.insert(rowOf(link));
        QCOMPARE(rows.size(), expected.size());
    }

    // Tests and the page layout find links by name; a name used twice would hide one of them.
    void namesAreUniqueAcrossTheCollection()
    {
        QSet<QString> names;
        int named = 0;
        for (const TLinkEntry &row : TLinkTable::rows()) {
            if (row.name.isEmpty())
                continue;
            ++named;
            names.insert(row.name);
        }
        QCOMPARE(names.size(), named);
    }

    // Each panel holds five links of its page's group and then the brand link, whose address
    // follows the brand rule; the mini-test panel of TabSheet2 alone is maroon.
    void panelsCarryTheirPagesGroup_data()
    {
        QTest::addColumn<int>("page");
        for (int page : Expected::panelPages())
            QTest::addRow("TabSheet%d", page) << page;
    }
    void panelsCarryTheirPagesGroup()
    {
        QFETCH(int, page);
        const Expected::GroupRule &group = Expected::groupOf(page);
        const QVector<int> related = TLinkTable::rowsOn(page, LinkRole::RelatedLink);
        QCOMPARE(related.size(), 5);
        QSet<QString> captions;
        for (int index : related) {
            const TLinkEntry &row = TLinkTable::row(index);
            QCOMPARE(row.kind, TLinkKind::WebLink);
            QVERIFY2(TLinkTable::address(row).startsWith(Expected::kArticleHost + u(group.pathPrefix)),
                     qPrintable(TLinkTable::address(row)));
            QVERIFY2(row.caption.startsWith(u(group.captionPrefix)), qPrintable(row.caption));
            QCOMPARE(TLinkTable::color(row.color), page == 2 ? Expected::kMaroon : Expected::kBlack);
            captions.insert(row.caption);
        }
        QCOMPARE(captions.size(), 5);
        const QVector<int> brand = TLinkTable::rowsOn(page, LinkRole::BrandLink);
        QCOMPARE(brand.size(), 1);
        QCOMPARE(TLinkTable::row(brand.first()).caption, u("Norwell官网"));
        QCOMPARE(TLinkTable::address(TLinkTable::row(brand.first())), Expected::brandAddress(page));
        QCOMPARE(TLinkTable::color(TLinkTable::row(brand.first()).color), Expected::kRed);
    }

    // Pages that share a group show the same five links in the same order.
    void aGroupReadsTheSameOnEveryPage()
    {
        QHash<QString, QStringList> byGroup;
        for (int page : Expected::panelPages()) {
            QStringList captions;
            for (int index : TLinkTable::rowsOn(page, LinkRole::RelatedLink))
                captions << TLinkTable::row(index).caption;
            const QString group = u(Expected::groupOf(page).pathPrefix);
            if (byGroup.contains(group))
                QCOMPARE(captions, byGroup.value(group));
            byGroup.insert(group, captions);
        }
        QCOMPARE(byGroup.size(), 5);
    }

    // Every address goes to one of the publisher's three hosts, and every page link to a page.
    void everyTargetExists()
    {
        const QStringList hosts{Expected::kMainRoot, Expected::kArticleHost, Expected::kForumHost};
        for (const TLinkEntry &row : TLinkTable::rows()) {
            if (row.kind == TLinkKind::PageLink)
                QVERIFY2(TPageTable::isValid(row.target), qPrintable(row.name + row.caption));
            if (row.kind == TLinkKind::WebLink) {
                const QString address = TLinkTable::address(row);
                QVERIFY2(std::any_of(hosts.begin(), hosts.end(),
                                     [&](const QString &h) { return address == h || address.startsWith(h + '/'); }),
                         qPrintable(address));
            }
        }
    }

    void lookupsOfUnknownLinksFindNothing_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("footer");
        QTest::newRow("name on another page") << 2 << QStringLiteral("Label144") << QString();
        QTest::newRow("no such name") << 1 << QStringLiteral("Label999") << QString();
        QTest::newRow("empty name") << 38 << QString() << QString();
        QTest::newRow("TabSheet3 has no previous") << 3 << QString() << u("上一页");
        QTest::newRow("TabSheet35 has no next") << 35 << QString() << u("下一页");
        QTest::newRow("contents has no footer") << 38 << QString() << u("目录页");
        QTest::newRow("cover has no footer") << 36 << QString() << u("下一页");
    }
    void lookupsOfUnknownLinksFindNothing()
    {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(QString, footer);
        if (footer.isEmpty())
            QCOMPARE(TLinkTable::indexOf(page, name), -1);
        else
            QCOMPARE(TLinkTable::footerIndex(page, footer), -1);
    }
};

QTEST_GUILESS_MAIN(TestLinkTable)
#include "tst_linktable.moc"
