// The link table against the product's link lists, without any window: captions and targets
// (the looks are checked on screen, in tst_links).
#include "linkexpectations.h"
#include "book/linktable.h"

#include <QSet>
#include <QTest>

using Expected::Effect;
using Expected::u;

Q_DECLARE_METATYPE(Expected::Link)

namespace {

// Footer links have no names: their caption tells them apart on their page.
int rowOf(const Expected::Link &link)
{
    if (!link.isFooter())
        return TLinkTable::indexOf(link.page, link.name);
    const QVector<TLinkEntry> &rows = TLinkTable::rows();
    for (int i = 0; i < rows.size(); ++i)
        if (rows[i].page == link.page && rows[i].role == LinkRole::Footer && rows[i].caption == link.caption)
            return i;
    return -1;
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

    void lookupsOfUnknownLinksFindNothing_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::newRow("name on another page") << 2 << QStringLiteral("Label144");
        QTest::newRow("no such name") << 1 << QStringLiteral("Label999");
        QTest::newRow("empty name") << 38 << QString();
    }
    void lookupsOfUnknownLinksFindNothing()
    {
        QFETCH(int, page);
        QFETCH(QString, name);
        QCOMPARE(TLinkTable::indexOf(page, name), -1);
    }
};

QTEST_GUILESS_MAIN(TestLinkTable)
#include "tst_linktable.moc"
