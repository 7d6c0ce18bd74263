// Rules that hold for every page of the book: nothing outside its layout height or under the
// strips, every text box showing all of its text, pictures at their natural size, only the
// résumé template taking typing, readable in GBK, no placeholder left.
#include "ui/mainwindow.h"
#include "book/layout/geometry.h"
#include "ui/pagebuilder.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolTip>

#include <ctime>

namespace {

// Processor time of this thread: what a step costs, whatever else the machine is doing.
qint64 cpuMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

// Every text a reader can see on a page.
QStringList visibleTexts(QWidget *page)
{
    QStringList texts;
    for (QLabel *l : page->findChildren<QLabel *>())
        texts << l->text();
    for (QPlainTextEdit *b : page->findChildren<QPlainTextEdit *>())
        texts << b->toPlainText();
    for (QAbstractButton *b : page->findChildren<QAbstractButton *>())
        texts << b->text();
    texts.removeAll(QString());
    return texts;
}

int displayLines(QPlainTextEdit *box)
{
    int lines = 0;
    for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next())
        lines += b.layout()->lineCount();
    return lines;
}

} // namespace

namespace {
QString labelOf(const QWidget *w)
{
    if (!w->objectName().isEmpty())
        return w->objectName();
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return label->text().left(12);
    return QString::number(w->y());
}
} // namespace

class TestReadingPages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_window = TestSupport::makeWindow(); }
    void cleanupTestCase() { m_window.reset(); }

    void pages_data()
    {
        QTest::addColumn<int>("page");
        for (PageId id = 1; id <= kPageCount; ++id)
            QTest::addRow("TabSheet%d", id) << id;
    }

    void contentStaysInsideTheLayoutAndClearOfTheStrips_data() { pages_data(); }
    void contentStaysInsideTheLayoutAndClearOfTheStrips()
    {
        QFETCH(int, page);
        m_window->navigator().GoToPage(page);
        QWidget *p = m_window->page(page);
        const int height = TPageTable::entry(page).layoutHeight;
        for (QWidget *w : p->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            const QRect r = w->geometry();
            const QString what = w->objectName() + QLatin1Char(' ') + w->metaObject()->className();
            QVERIFY2(r.bottom() < height, qPrintable(what));
            QVERIFY2(r.left() >= 4 && r.right() < 850, qPrintable(what));
        }
    }

    // Nothing covers anything else, except what is meant to lie on a ground: the cover's picture
    // links on the cover, the panel's lines on their panel, score boxes on the lines of their text.
    void blocksDoNotOverlap_data() { pages_data(); }
    void blocksDoNotOverlap()
    {
        QFETCH(int, page);
        m_window->navigator().GoToPage(page);
        QWidget *p = m_window->page(page);
        const auto isGround = [](const QWidget *w) {
            const auto *frame = qobject_cast<const QFrame *>(w);
            const bool panel = frame && frame->frameShape() == QFrame::Box;
            const auto *label = qobject_cast<const QLabel *>(w);
            const bool cover = label && w->width() >= PictureSize::kCoverBlock.width();
            return panel || cover || w->objectName() == QLatin1String("Memo6");
        };
        QList<QWidget *> children;
        for (QWidget *w : p->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (w->isVisibleTo(p) && !w->geometry().isEmpty())
                children << w;
        for (int i = 0; i < children.size(); ++i)
            for (int j = i + 1; j < children.size(); ++j) {
                QWidget *a = children[i], *b = children[j];
                if (!a->geometry().intersects(b->geometry()))
                    continue;
                const bool onGround = (isGround(a) && a->geometry().contains(b->geometry())) ||
                                      (isGround(b) && b->geometry().contains(a->geometry()));
                const auto where = [](const QWidget *w) {
                    return QStringLiteral("(%1,%2 %3x%4)").arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height());
                };
                QVERIFY2(onGround, qPrintable(QStringLiteral("%1 %2 %5 overlaps %3 %4 %6")
                                                  .arg(a->metaObject()->className(), labelOf(a), b->metaObject()->className(), labelOf(b),
                                                       where(a), where(b))));
            }
    }

    void textBoxesShowAllTheirText_data() { pages_data(); }
    void textBoxesShowAllTheirText()
    {
        QFETCH(int, page);
        m_window->navigator().GoToPage(page);
        for (QPlainTextEdit *box : m_window->page(page)->findChildren<QPlainTextEdit *>()) {
            if (box->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
                continue;
            QVERIFY2(box->height() >= PageBuilder::fittedHeight(box), qPrintable(box->objectName()));
            QCOMPARE(box->verticalScrollBar()->maximum(), 0);
        }
        // So do labels of several lines, such as the section introductions: a label clips silently.
        for (QLabel *label : m_window->page(page)->findChildren<QLabel *>())
            if (label->wordWrap() && label->text().contains(QLatin1Char('\n')))
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->text().left(20)));
    }

    void onlyTheInterviewArticleScrollsAndOnlyTheResumeTemplateTakesTyping()
    {
        QStringList scrolling, editable;
        for (PageId id = 1; id <= kPageCount; ++id) {
            for (QPlainTextEdit *box : m_window->page(id)->findChildren<QPlainTextEdit *>()) {
                const QString where = TPageEntry::pageName(id) + QLatin1Char('/') + box->objectName();
                if (box->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
                    scrolling << where;
                if (!box->isReadOnly())
                    editable << where;
            }
        }
        QCOMPARE(scrolling, QStringList({"TabSheet9/Memo11", "TabSheet25/ArticleBox1"}));
        QCOMPARE(editable, QStringList({"TabSheet23/ArticleBox1", "TabSheet23/ArticleBox3"}));

        m_window->navigator().GoToPage(25);
        auto *interview = m_window->page(25)->findChild<QPlainTextEdit *>("ArticleBox1");
        QVERIFY(interview->verticalScrollBar()->maximum() > 0);
    }

    void typedResumeTextStaysUntilTheEnd()
    {
        m_window->navigator().GoToPage(23);
        auto *chinese = m_window->page(23)->findChild<QPlainTextEdit *>("ArticleBox3");
        chinese->setFocus();
        chinese->moveCursor(QTextCursor::Start);
        QTest::keyClicks(chinese, "ABC");
        m_window->navigator().GoToPage(24);
        m_window->navigator().GoToPage(23);
        QVERIFY(chinese->toPlainText().startsWith("ABC"));
    }

    // A megabyte pasted or a key held down never freezes the résumé boxes: text is cut at their
    // limit, with a note, and a key after that still answers at once.
    void resumeBoxesCutHugeInput_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("pasted");
        const QString oneLine(1000000, QLatin1Char('a'));
        QString chineseLines;
        while (chineseLines.size() < 1000000)
            chineseLines += QString(99, QChar(0x804c)) + QLatin1Char('\n');
        QTest::newRow("header, 1 MB in one line") << "ArticleBox1" << oneLine;
        QTest::newRow("resume, 1 MB in one line") << "ArticleBox3" << oneLine;
        QTest::newRow("resume, 1 MB of Chinese lines") << "ArticleBox3" << chineseLines;
        QTest::newRow("resume, emoji across the limit") << "ArticleBox3" << QStringLiteral("a") + QString::fromUtf8("😀").repeated(20000);
    }
    void resumeBoxesCutHugeInput()
    {
        QFETCH(QString, box);
        QFETCH(QString, pasted);
        m_window->navigator().GoToPage(23);
        auto *field = m_window->page(23)->findChild<QPlainTextEdit *>(box);
        const QString original = field->toPlainText();
        field->setFocus();
        field->selectAll();
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        QGuiApplication::clipboard()->setText(pasted);
        qint64 start = cpuMilliseconds();
        field->paste();
        QCoreApplication::processEvents();
        const qint64 pasteTime = cpuMilliseconds() - start;
        const QString held = field->toPlainText();
        QVERIFY(held.size() >= 19999 && held.size() <= 20000 && !held.back().isHighSurrogate());
        QVERIFY(pasted.startsWith(held));
        QVERIFY(QToolTip::isVisible() && QToolTip::text().contains(QLatin1String("20000")));
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());

        // Full: typed keys add only what fits and note it again; with room, a key answers at once.
        QTest::keyClicks(field, "xy");
        QCOMPARE(field->toPlainText().size(), 20000);
        QVERIFY(field->toPlainText().startsWith(held));
        QVERIFY(QToolTip::isVisible());
        QTest::keyClick(field, Qt::Key_Backspace);
        start = cpuMilliseconds();
        QTest::keyClick(field, 'x');
        QCoreApplication::processEvents();
        const qint64 keyTime = cpuMilliseconds() - start;
        QVERIFY(field->toPlainText().endsWith(QLatin1Char('x')));
        qInfo("paste %lld ms, key %lld ms", static_cast<long long>(pasteTime), static_cast<long long>(keyTime));
        // Processor time, with room for sanitizer builds; the uncut paste took about a minute.
        QVERIFY2(pasteTime < 1000 && keyTime < 300, qPrintable(QStringLiteral("%1 / %2 ms").arg(pasteTime).arg(keyTime)));
        field->setPlainText(original);
    }

    void logoOnEveryPageButTheCoverAndTheAdverts()
    {
        QVector<PageId> withLogo;
        for (PageId id = 1; id <= kPageCount; ++id) {
            for (QLabel *l : m_window->page(id)->findChildren<QLabel *>())
                if (!l->pixmap().isNull() && l->pixmap().size() == QSize(137, 57) && l->geometry().topLeft().y() < 20)
                    withLogo << id;
        }
        QCOMPARE(withLogo.size(), 37);
        for (PageId none : {36, 11, 19, 30, 35})
            QVERIFY(!withLogo.contains(none));
    }

    void picturesKeepTheirNaturalSize()
    {
        QHash<QSize, int> seen;
        for (PageId id = 1; id <= kPageCount; ++id) {
            for (QLabel *l : m_window->page(id)->findChildren<QLabel *>()) {
                if (l->pixmap().isNull())
                    continue;
                QVERIFY(!l->hasScaledContents());
                ++seen[l->pixmap().size()];
                if (l->pixmap().size() == QSize(630, 893))
                    QCOMPARE(l->size(), QSize(625, 897));   // clipped by its block, not scaled
                else
                    QCOMPARE(l->size(), l->pixmap().size());
            }
        }
        QCOMPARE(seen.value(QSize(630, 893)), 1);
        QCOMPARE(seen.value(QSize(161, 49)), 1);
        QCOMPARE(seen.value(QSize(209, 17)), 1);
        QCOMPARE(seen.value(QSize(745, 377)), 4);
        QCOMPARE(seen.value(QSize(745, 89)), 4);
        QCOMPARE(m_window->windowIcon().actualSize(QSize(48, 48)), QSize(48, 48));
    }

    void everyTextIsGbkAndFinished()
    {
        QStringList all;
        for (PageId id = 1; id <= kPageCount; ++id)
            all += visibleTexts(m_window->page(id));
        QVERIFY(all.size() > 1000);
        const QString joined = all.join(QLatin1Char('\n'));
        static const QRegularExpression placeholder(
            QStringLiteral("lorem|ipsum|TODO|FIXME|XXX|此处(为|填写|放置)|示例文本|占位|待补充"),
            QRegularExpression::CaseInsensitiveOption);
        const auto match = placeholder.match(joined);
        QVERIFY2(!match.hasMatch(), qPrintable(match.captured()));

        QProcess iconv;
        iconv.start(QStringLiteral("iconv"), {QStringLiteral("-f"), QStringLiteral("UTF-8"), QStringLiteral("-t"),
                                               QStringLiteral("GBK")});
        QVERIFY(iconv.waitForStarted());
        iconv.write(joined.toUtf8());
        iconv.closeWriteChannel();
        QVERIFY(iconv.waitForFinished());
        QCOMPARE(iconv.exitCode(), 0);
        QVERIFY2(iconv.readAllStandardError().isEmpty(), "a text cannot be written in GBK");
    }

    // Each article is about as long as its page was made for: within a quarter of the line count
    // of its text box.
    void articlesHaveTheirLength_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QVector<int>>("lines");
        const std::pair<int, QVector<int>> rows[] = {
            {12, {33}}, {13, {114}}, {14, {3, 44}}, {15, {132}}, {16, {63}}, {17, {44}}, {18, {23}},
            {20, {33}}, {21, {64}}, {22, {68}}, {23, {5, 46, 49}}, {24, {67}}, {26, {89}}, {27, {43}},
            {28, {18}}, {29, {16}}, {31, {52}}, {32, {63}}, {33, {55}}, {34, {29}}};
        for (const auto &[page, lines] : rows)
            QTest::addRow("TabSheet%d", page) << page << lines;
    }
    void articlesHaveTheirLength()
    {
        QFETCH(int, page);
        QFETCH(QVector<int>, lines);
        m_window->navigator().GoToPage(page);
        for (int box = 1; box <= lines.size(); ++box) {
            auto *b = m_window->page(page)->findChild<QPlainTextEdit *>(QStringLiteral("ArticleBox%1").arg(box));
            QVERIFY(b);
            const int target = lines[box - 1];
            const int shown = displayLines(b);
            QVERIFY2(shown * 4 >= target * 3 && shown * 4 <= target * 5,
                     qPrintable(QStringLiteral("box %1: %2 lines for %3").arg(box).arg(shown).arg(target)));
        }
        QVERIFY(!m_window->page(page)->findChild<QPlainTextEdit *>(QStringLiteral("ArticleBox%1").arg(lines.size() + 1)));
    }

    void theInterviewArticleIsLong()
    {
        m_window->navigator().GoToPage(25);
        auto *box = m_window->page(25)->findChild<QPlainTextEdit *>("ArticleBox1");
        // Lay every paragraph out: the box lays out only what it has shown.
        int lines = 0;
        const QFontMetricsF metrics(box->font());
        const qreal width = box->viewport()->width() - 2 * box->document()->documentMargin();
        for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next()) {
            QTextLayout layout(b.text(), box->font());
            layout.beginLayout();
            int n = 0;
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine(), ++n)
                line.setLineWidth(width);
            layout.endLayout();
            lines += qMax(1, n);
        }
        QVERIFY2(lines >= 700, qPrintable(QString::number(lines)));
    }

private:
    std::unique_ptr<TForm2> m_window;
};

PATHORA_TEST_MAIN(TestReadingPages)
#include "tst_readingpages.moc"
