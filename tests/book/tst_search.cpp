// Find in the book, without any window: what a query finds, counted against the texts the pages
// are made of.
#include "book/linktable.h"
#include "book/search.h"
#include "book/texts.h"

#include <QDirIterator>
#include <QTest>

namespace {

QString u(const char *s)
{
    return QString::fromUtf8(s);
}

// How often a query stands in the book, counted straight from the tables and text files:
// headings, link captions, articles, the shared page texts (the advert texts on all four advert
// pages) and every questionnaire text. Latin letters are compared without case.
int countInSources(const QString &query)
{
    const auto count = [&](const QString &text) { return static_cast<int>(text.count(query, Qt::CaseInsensitive)); };
    int n = 0;
    for (PageId id = 1; id <= kPageCount; ++id)
        n += count(u(TPageTable::entry(id).heading)) + count(u(TPageTable::entry(id).subHeading));
    for (const TLinkEntry &link : TLinkTable::rows())
        n += count(link.caption);
    QDirIterator files(QStringLiteral(":/data"), {QStringLiteral("*.txt")}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        // The window's own texts are not the book's.
        if (path.endsWith(QLatin1String("find.txt")) || path.endsWith(QLatin1String("window.txt"))
            || path.endsWith(QLatin1String("fields.txt")))
            continue;
        const QHash<QString, QString> &entries = TextData::file(path);
        for (auto it = entries.begin(); it != entries.end(); ++it)
            n += count(it.value()) * (it.key().startsWith(QLatin1String("advert.")) ? 4 : 1);
    }
    return n;
}

} // namespace

class TestSearch : public QObject {
    Q_OBJECT
private slots:
    void findsEveryOccurrenceInTheSources_data()
    {
        QTest::addColumn<QString>("query");
        for (const char *q : {"自我介绍", "STAR", "EQ", "面试官", "情绪", "职场新人", "上一页", "职业规划的简捷思路", "讨论群"})
            QTest::newRow(q) << u(q);
    }
    void findsEveryOccurrenceInTheSources()
    {
        QFETCH(QString, query);
        const BookIndex &book = BookIndex::book();
        const QVector<FindHit> hits = book.find(query);
        QVERIFY(!hits.isEmpty());
        QCOMPARE(hits.size(), countInSources(query));
        int lastPosition = 0;
        for (const FindHit &hit : hits) {
            const FindPlace &place = book.place(hit.place);
            QCOMPARE(place.text.mid(hit.offset, hit.length).compare(query, Qt::CaseInsensitive), 0);
            const int position = TPageTable::entry(place.page).readingPosition;
            QVERIFY(position >= lastPosition);
            lastPosition = position;
            const FindExcerpt excerpt = book.excerpt(hit);
            QCOMPARE(excerpt.text.mid(excerpt.markStart, excerpt.markLength).compare(query, Qt::CaseInsensitive), 0);
            QVERIFY(!excerpt.text.contains(QLatin1Char('\n')));
        }
    }

    // Where a questionnaire's texts are found: a prompt and an option on their page, an option
    // tied to its question's prompt, a verdict marked as one.
    void questionnaireTextsAreFoundOnTheirPage_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("source");
        QTest::newRow("EQ prompt") << "eq" << "q12" << 1 << int(FindSource::Question);
        QTest::newRow("EQ verdict") << "eq" << "verdict2" << 1 << int(FindSource::Verdict);
        QTest::newRow("Phil option") << "phil" << "q4.opts" << 2 << int(FindSource::Question);
        QTest::newRow("driving-force statement") << "drivers" << "p31.2" << 8 << int(FindSource::Question);
        QTest::newRow("orientation reference") << "orientation" << "reference" << 9 << int(FindSource::Question);
    }
    void questionnaireTextsAreFoundOnTheirPage()
    {
        QFETCH(QString, file);
        QFETCH(QString, key);
        QFETCH(int, page);
        QFETCH(int, source);
        const QString path = QStringLiteral(":/data/%1.txt").arg(file);
        // Options are found one by one, other entries as a whole; the query is from the last line.
        const QString entry = TextData::text(path, key);
        const QString line = entry.split(QLatin1Char('\n')).last().trimmed();
        const QString text = key.endsWith(QLatin1String(".opts")) ? line : entry;
        QVERIFY(line.size() >= 4);
        const QString query = line.mid(line.size() / 2 - 2, 4);
        const BookIndex &book = BookIndex::book();
        bool found = false;
        for (const FindHit &hit : book.find(query)) {
            const FindPlace &place = book.place(hit.place);
            if (place.text != text)
                continue;
            found = true;
            QCOMPARE(place.page, page);
            QCOMPARE(int(place.source), source);
            if (key.endsWith(QLatin1String(".opts")))
                QCOMPARE(place.anchor, TextData::text(path, key.chopped(5)));
        }
        QVERIFY2(found, qPrintable(query));
    }

    void widthAndCaseAreFolded_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("plain");
        QTest::newRow("full-width capitals") << u("ＥＱ") << u("EQ");
        QTest::newRow("lower case") << u("star") << u("STAR");
        QTest::newRow("mixed widths and case") << u("Ｓtaｒ") << u("STAR");
        QTest::newRow("half-width comma") << u("自我介绍,") << u("自我介绍，");
        QTest::newRow("full-width digits") << u("问题１：") << u("问题1：");
    }
    void widthAndCaseAreFolded()
    {
        QFETCH(QString, query);
        QFETCH(QString, plain);
        const QVector<FindHit> folded = BookIndex::book().find(query);
        const QVector<FindHit> exact = BookIndex::book().find(plain);
        QVERIFY(!exact.isEmpty());
        QCOMPARE(folded.size(), exact.size());
        for (int i = 0; i < exact.size(); ++i)
            QCOMPARE(std::tie(folded[i].place, folded[i].offset), std::tie(exact[i].place, exact[i].offset));
    }

    // One character for one, at the ends of each folded range and just outside them.
    void foldAtTheRangeEnds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folded");
        QTest::newRow("ideographic space") << QString(QChar(0x3000)) << u(" ");
        QTest::newRow("U+3001 stays") << QString(QChar(0x3001)) << QString(QChar(0x3001));
        QTest::newRow("first full-width form") << QString(QChar(0xFF01)) << u("!");
        QTest::newRow("last full-width form") << QString(QChar(0xFF5E)) << u("~");
        QTest::newRow("U+FF00 stays") << QString(QChar(0xFF00)) << QString(QChar(0xFF00));
        QTest::newRow("U+FF5F stays") << QString(QChar(0xFF5F)) << QString(QChar(0xFF5F));
        QTest::newRow("capitals A and Z") << u("AZ@[") << u("az@[");
    }
    void foldAtTheRangeEnds()
    {
        QFETCH(QString, text);
        QFETCH(QString, folded);
        QCOMPARE(BookIndex::fold(text), folded);
    }

    // A questionnaire's texts are found in the order its page shows them: the introduction, each
    // question's prompt before its options and the next question, then the verdicts.
    void questionnaireTextsInPageOrder_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("EQ") << "eq" << 1
                            << QStringList{"intro", "q1", "q1.opts", "q2", "q9", "q10", "q33", "verdict1", "verdict4"};
        QTest::newRow("PSTRI") << "pstri" << 7 << QStringList{"intro", "q1", "q2", "q10", "q50", "verdict1", "verdict5"};
        QTest::newRow("orientation") << "orientation" << 9 << QStringList{"intro", "q1", "q60", "reference"};
    }
    void questionnaireTextsInPageOrder()
    {
        QFETCH(QString, file);
        QFETCH(int, page);
        QFETCH(QStringList, keys);
        const QString path = QStringLiteral(":/data/%1.txt").arg(file);
        const BookIndex &book = BookIndex::book();
        int last = -1;
        for (const QString &key : keys) {
            // An option list is found line by line: its first option stands for it.
            const QString text = key.endsWith(QLatin1String(".opts"))
                                     ? TextData::text(path, key).split(QLatin1Char('\n')).first().trimmed()
                                     : TextData::text(path, key);
            int at = -1;
            for (const FindHit &hit : book.find(text.trimmed()))
                if (at < 0 && book.place(hit.place).page == page && book.place(hit.place).text == text)
                    at = hit.place;
            QVERIFY2(at > last, qPrintable(key));
            last = at;
        }
    }

    void blankOrAbsentQueriesFindNothing_data()
    {
        QTest::addColumn<QString>("query");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks") << u("  \u3000 ");
        QTest::newRow("absent") << u("量子色动力学");
        QTest::newRow("across two texts") << u("上一页目录页");
    }
    void blankOrAbsentQueriesFindNothing()
    {
        QFETCH(QString, query);
        QVERIFY(BookIndex::book().find(query).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSearch)
#include "tst_search.moc"
