// The links on screen: every link clicked as a reader would, the hover look, the hand pointer,
// the panel of TabSheet1, the exit link, and where the link blocks stand on their pages.
#include "ui/mainwindow.h"
#include "ui/pagebuilder.h"
#include "linkexpectations.h"
#include "book/linktable.h"
#include "ui/widgets/choicegroup.h"
#include "ui/widgets/linklabel.h"
#include "testsupport.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <memory>

using Expected::Effect;
using Expected::u;

Q_DECLARE_METATYPE(Expected::Link)

namespace {

// Stands in for the browser: records every address the program hands to the desktop.
class Browser : public QObject {
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl &url) { opened << url.toString(); }
};

QWidget *findLink(TForm2 &w, const Expected::Link &link)
{
    QWidget *page = w.page(link.page);
    if (!link.isFooter())
        return page->findChild<QWidget *>(link.name);
    QList<QLabel *> found;
    for (QLabel *label : page->findChildren<QLabel *>())
        if (label->text() == link.caption)
            found << label;
    return found.size() == 1 ? found.first() : nullptr;
}

QLabel *findText(QWidget *page, const QString &text)
{
    for (QLabel *label : page->findChildren<QLabel *>())
        if (label->text() == text)
            return label;
    return nullptr;
}

// A press and release on whatever lies on top at `at` (page coordinates), as the reader's click.
QWidget *clickPage(QWidget *page, const QPoint &at)
{
    QWidget *hit = page->childAt(at);
    if (!hit)
        hit = page;
    QTest::mouseClick(hit, Qt::LeftButton, Qt::NoModifier, hit->mapFrom(page, at));
    return hit;
}

// A point of the panel where none of the labels standing on it is.
QPoint freePointOf(QWidget *page, QWidget *panel)
{
    const QRect r = panel->geometry();
    for (int y = r.top() + 2; y < r.bottom(); y += 3)
        for (int x = r.right() - 2; x > r.left(); x -= 7)
            if (page->childAt(QPoint(x, y)) == panel)
                return QPoint(x, y);
    return {};
}

void pointerEnters(QWidget *w)
{
    QEnterEvent enter(w->rect().center(), w->mapTo(w->window(), w->rect().center()), w->mapToGlobal(w->rect().center()));
    QApplication::sendEvent(w, &enter);
}

void pointerLeaves(QWidget *w)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w, &leave);
}

bool handPointer(const QWidget *w)
{
    return w->cursor().shape() == Qt::PointingHandCursor;
}

QColor textColor(const QWidget *w)
{
    return w->palette().color(QPalette::WindowText);
}

int layoutHeight(int page)
{
    return TPageTable::entry(page).layoutHeight;
}

// The contents outline: group labels and how many entries of their section stand under them.
const struct {
    int section;
    const char *group;
    int entries;
} kGroups[] = {
    {39, "1、心理测评", 2}, {39, "2、能力测评", 2}, {39, "3、压力测试", 3}, {39, "4、职业测评", 3},
    {40, "1、职业规划的意义", 2}, {40, "2、如何进行职业规划", 3}, {40, "3、职业规划小故事", 2},
    {41, "1、简历制作", 5}, {41, "2、名企面试", 5}, {42, nullptr, 4},
};

enum LineKind { SectionLine, GroupLabel, Entry };
struct Line {
    QString text;
    LineKind kind;
};

// The contents page top to bottom, or one section page's list (section lines left out).
QVector<Line> outline(int onlySection)
{
    QVector<Line> lines;
    const auto &rows = Expected::kContents;
    int r = 0;
    for (const auto &g : kGroups) {
        if (!rows[r].sectionPageName) {
            if (onlySection == 0)
                lines.append({u(rows[r].caption), SectionLine});
            ++r;
        }
        const bool keep = onlySection == 0 || onlySection == g.section;
        if (keep && g.group)
            lines.append({u(g.group), GroupLabel});
        for (int k = 0; k < g.entries; ++k, ++r)
            if (keep)
                lines.append({u(rows[r].caption), Entry});
    }
    return lines;
}

// The labels of a page showing the outline's texts, top to bottom.
QList<QLabel *> outlineLabels(QWidget *page, const QVector<Line> &lines)
{
    QSet<QString> texts;
    for (const Line &line : lines)
        texts.insert(line.text);
    QList<QLabel *> found;
    for (QLabel *label : page->findChildren<QLabel *>())
        if (texts.contains(label->text()))
            found << label;
    std::sort(found.begin(), found.end(), [](QLabel *a, QLabel *b) { return a->y() < b->y(); });
    return found;
}

// Every line stands right of the nearest line above it of a higher rank.
void checkIndents(const QList<QLabel *> &labels, const QVector<Line> &lines)
{
    for (int i = 0; i < lines.size(); ++i)
        for (int j = i - 1; j >= 0; --j)
            if (lines[j].kind < lines[i].kind) {
                QVERIFY2(labels[i]->x() > labels[j]->x(), qPrintable(lines[i].text));
                break;
            }
}

} // namespace

class TestLinks : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TForm2> m_window;
    Browser m_browser;

    QScrollArea *scrollArea() { return m_window->findChild<QScrollArea *>(); }

private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_browser, "open");
        m_window = TestSupport::makeWindow();
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        m_window.reset();
    }
    void init()
    {
        m_browser.opened.clear();
        m_window->navigator().GoHome();
    }

    void everyLinkDoesWhatItSays_data()
    {
        QTest::addColumn<Expected::Link>("link");
        for (const Expected::Link &link : Expected::links())
            if (link.effect != Effect::Exit)
                QTest::newRow(qPrintable(link.tag())) << link;
    }
    void everyLinkDoesWhatItSays()
    {
        QFETCH(Expected::Link, link);
        TForm2 &w = *m_window;
        w.navigator().GoToPage(link.page);
        QWidget *page = w.page(link.page);
        QWidget *widget = findLink(w, link);
        QVERIFY(widget);
        QVERIFY(widget->isVisible());
        QVERIFY(handPointer(widget));
        if (!link.caption.isEmpty()) {
            // The resting look, and the hover look only where the link has one.
            QCOMPARE(qobject_cast<QLabel *>(widget)->text(), link.caption);
            const QColor resting = link.color.isValid() ? link.color : page->palette().color(QPalette::WindowText);
            QCOMPARE(textColor(widget), resting);
            QCOMPARE(widget->font().bold(), link.bold);
            QCOMPARE(widget->font().underline(), link.underlined);
            if (link.isFooter())
                QCOMPARE(widget->font().pixelSize(), 13);
            pointerEnters(widget);
            QCOMPARE(textColor(widget) == Expected::kBlue && widget->font().underline(), link.hover);
            pointerLeaves(widget);
            QCOMPARE(textColor(widget), resting);
            QCOMPARE(widget->font().underline(), link.underlined);
        }

        // Inside the page's layout and clear of the side strips, and on top where the reader clicks.
        const QRect place = widget->geometry();
        QVERIFY2(place.left() >= 4 && place.right() < 850, qPrintable(QStringLiteral("x %1..%2").arg(place.left()).arg(place.right())));
        QVERIFY2(place.top() >= 0 && place.bottom() < layoutHeight(link.page), qPrintable(QString::number(place.bottom())));
        const QPoint at = link.name == QLatin1String("Panel6") ? freePointOf(page, widget) : place.center();
        QCOMPARE(page->childAt(at), widget);

        scrollArea()->ensureWidgetVisible(widget, 10, 60);
        const int scrolled = w.scrollPosition();
        clickPage(page, at);
        if (link.effect == Effect::GoTo) {
            QCOMPARE(w.navigator().currentPage(), link.target);
            QCOMPARE(w.scrollPosition(), 0);
            QVERIFY(m_browser.opened.isEmpty());
        } else {
            QCOMPARE(m_browser.opened, QStringList{link.address});
            QCOMPARE(w.navigator().currentPage(), link.page);
            QCOMPARE(w.scrollPosition(), scrolled);
        }
    }

    // A hand pointer promises a link: every widget showing it is a listed link of its page, and
    // every listed link shows it (the test above clicks each one).
    void onlyLinksShowTheHandPointer()
    {
        QHash<int, QSet<QString>> expected;
        for (const Expected::Link &link : Expected::links())
            expected[link.page].insert(link.isFooter() ? link.caption : link.name);
        for (int id = 1; id <= kPageCount; ++id) {
            m_window->navigator().GoToPage(id);
            QSet<QString> hands;
            for (QWidget *w : m_window->page(id)->findChildren<QWidget *>()) {
                auto *label = qobject_cast<QLabel *>(w);
                if (!handPointer(w)) {
                    QVERIFY2(!expected[id].contains(w->objectName()), qPrintable(w->objectName()));
                    continue;
                }
                QVERIFY2(label, qPrintable(w->objectName()));
                hands.insert(w->objectName().isEmpty() ? label->text() : w->objectName());
            }
            QCOMPARE(hands, expected[id]);
        }
    }

    void hoverTurnsBlueAndUnderlinedThenRests_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("resting");
        QTest::addColumn<bool>("bold");
        QTest::newRow("contents entry, black") << 38 << "Label467" << Expected::kBlack << false;
        QTest::newRow("contents section, black bold") << 38 << "Label479" << Expected::kBlack << true;
        QTest::newRow("section page entry, black") << 39 << "Label522" << Expected::kBlack << false;
        QTest::newRow("related link, black") << 32 << "Label434" << Expected::kBlack << false;
        QTest::newRow("mini test, maroon") << 2 << "Label154" << Expected::kMaroon << false;
        QTest::newRow("advert, maroon bold") << 11 << "Label244" << Expected::kMaroon << true;
        QTest::newRow("advert, fuchsia") << 19 << "Label605" << Expected::kFuchsia << false;
        QTest::newRow("brand, red") << 1 << "Label149" << Expected::kRed << false;
        QTest::newRow("contents brand, red") << 38 << "Label460" << Expected::kRed << false;
    }
    void hoverTurnsBlueAndUnderlinedThenRests()
    {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(QColor, resting);
        QFETCH(bool, bold);
        m_window->navigator().GoToPage(page);
        auto *label = m_window->page(page)->findChild<QLabel *>(name);
        QVERIFY(label);
        QCOMPARE(textColor(label), resting);
        QVERIFY(!label->font().underline());
        QCOMPARE(label->font().bold(), bold);

        for (int round = 0; round < 2; ++round) {   // the second time round it is the same
            pointerEnters(label);
            QCOMPARE(textColor(label), Expected::kBlue);
            QVERIFY(label->font().underline());
            QCOMPARE(label->font().bold(), bold);
            pointerLeaves(label);
            QCOMPARE(textColor(label), resting);
            QVERIFY(!label->font().underline());
            QCOMPARE(label->font().bold(), bold);
        }
        QVERIFY(m_browser.opened.isEmpty());
    }

    // The real pointer, moved over a link and away, gives the same two looks.
    void movingThePointerOverALink()
    {
        m_window->navigator().GoToPage(38);
        QWidget *page = m_window->page(38);
        auto *label = page->findChild<QLabel *>("Label470");
        QTest::mouseMove(page, QPoint(8, 8));
        QTest::mouseMove(label, label->rect().center());
        QTRY_COMPARE(textColor(label), Expected::kBlue);
        QVERIFY(label->font().underline());
        QTest::mouseMove(page, QPoint(8, label->y()));
        QTRY_COMPARE(textColor(label), Expected::kBlack);
        QVERIFY(!label->font().underline());
    }

    void footersPicturesAndThePanelKeepTheirLook_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("footer");
        QTest::newRow("footer next") << 12 << QString() << u("下一页");
        QTest::newRow("bold footer") << 1 << QString() << u("目录页");
        QTest::newRow("exit") << 35 << QString() << u("退出");
        QTest::newRow("preface link") << 37 << "Label463" << QString();
        QTest::newRow("cover picture") << 36 << "Image46" << QString();
        QTest::newRow("course banner") << 30 << "Image6" << QString();
        QTest::newRow("panel") << 1 << "Panel6" << QString();
    }
    void footersPicturesAndThePanelKeepTheirLook()
    {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(QString, footer);
        m_window->navigator().GoToPage(page);
        Expected::Link link;
        link.page = page;
        link.name = name;
        link.caption = footer;
        QWidget *w = findLink(*m_window, link);
        QVERIFY(w);
        const QFont font = w->font();
        const QColor color = textColor(w);
        pointerEnters(w);
        QCOMPARE(w->font(), font);
        QCOMPARE(textColor(w), color);
        pointerLeaves(w);
        QCOMPARE(w->font(), font);
        QCOMPARE(textColor(w), color);
    }

    // The page is left while the pointer is over a link and no leave event comes for it.
    void aHoveredLinkIsAtRestWhenItsPageReturns()
    {
        m_window->navigator().GoToPage(38);
        auto *label = m_window->page(38)->findChild<QLabel *>("Label471");
        pointerEnters(label);
        QCOMPARE(textColor(label), Expected::kBlue);
        TestSupport::trigger(*m_window, "N4");
        QCOMPARE(m_window->navigator().currentPage(), 39);
        TestSupport::trigger(*m_window, "N2");
        QCOMPARE(textColor(label), Expected::kBlack);
        QVERIFY(!label->font().underline());
    }

    void footerLinksOfTellingPages_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("captions");    // left to right
        QTest::addColumn<int>("last");                // where the rightmost one leads; 0: nowhere
        const QString prev = u("上一页"), contents = u("目录页"), next = u("下一页"), exit = u("退出");
        QTest::newRow("TabSheet3, first questionnaire") << 3 << QStringList{contents, next} << 2;
        QTest::newRow("TabSheet1") << 1 << QStringList{prev, contents, next} << 4;
        QTest::newRow("TabSheet11, end of section") << 11 << QStringList{prev, contents, next} << 40;
        QTest::newRow("TabSheet29") << 29 << QStringList{prev, contents, next} << 30;
        QTest::newRow("TabSheet35, last page") << 35 << QStringList{prev, contents, exit} << 0;
        for (int id = 36; id <= 42; ++id)
            QTest::addRow("TabSheet%d", id) << id << QStringList{} << 0;
    }
    void footerLinksOfTellingPages()
    {
        QFETCH(int, page);
        QFETCH(QStringList, captions);
        QFETCH(int, last);
        m_window->navigator().GoToPage(page);
        QList<QLabel *> footer;
        for (const QString &caption : {u("上一页"), u("目录页"), u("下一页"), u("退出")})
            if (QLabel *label = findText(m_window->page(page), caption))
                footer << label;
        std::sort(footer.begin(), footer.end(), [](QLabel *a, QLabel *b) { return a->x() < b->x(); });
        QStringList seen;
        for (QLabel *label : footer) {
            seen << label->text();
            QCOMPARE(label->y(), footer.first()->y());
        }
        QCOMPARE(seen, captions);
        if (last) {
            clickPage(m_window->page(page), footer.last()->geometry().center());
            QCOMPARE(m_window->navigator().currentPage(), last);
        }
    }

    void exitEndsTheProgram()
    {
        auto w = TestSupport::makeWindow();
        w->navigator().GoToPage(35);
        QLabel *exit = findText(w->page(35), u("退出"));
        QVERIFY(exit && handPointer(exit));
        QVERIFY(w->isVisible());
        clickPage(w->page(35), exit->geometry().center());
        QVERIFY(!w->isVisible());
        QVERIFY(qApp->quitOnLastWindowClosed());
        QVERIFY(m_browser.opened.isEmpty());
    }

    void aWebLinkLeavesAHalfAnsweredQuestionnaireAlone()
    {
        TForm2 &w = *m_window;
        w.navigator().GoToPage(1);
        auto *first = w.page(1)->findChild<ChoiceGroup *>("rdgp1_1");
        QVERIFY(first);
        QRadioButton *option = first->option(1);
        QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(8, option->height() / 2));
        QCOMPARE(first->itemIndex(), 1);

        for (const char *name : {"Label144", "Label149", "Panel6"}) {
            QWidget *link = w.page(1)->findChild<QWidget *>(name);
            scrollArea()->ensureWidgetVisible(link, 10, 60);
            const int scrolled = w.scrollPosition();
            QVERIFY(scrolled > 0);
            const QPoint at = QByteArray(name) == "Panel6" ? freePointOf(w.page(1), link) : link->geometry().center();
            clickPage(w.page(1), at);
            QCOMPARE(w.navigator().currentPage(), 1);
            QCOMPARE(w.scrollPosition(), scrolled);
            QCOMPARE(first->itemIndex(), 1);
        }
        QCOMPARE(m_browser.opened, QStringList({Expected::kArticleHost + "/guihua/2010/0913/439.html",
                                                Expected::kMainRoot, Expected::kMainRoot}));
    }

    void thePanelOpensTheMainSiteOnlyFromItsFreeArea()
    {
        m_window->navigator().GoToPage(1);
        QWidget *page = m_window->page(1);
        QWidget *panel = page->findChild<QWidget *>("Panel6");
        QVERIFY(handPointer(panel));
        for (const char *text : {"Norwell教育  专注大学生职业发展", "了解详情请点击", "进行查询。"}) {
            QLabel *plain = findText(page, u(text));
            QVERIFY2(plain, text);
            QVERIFY(panel->geometry().contains(plain->geometry()));
            QVERIFY(!handPointer(plain));
            QCOMPARE(clickPage(page, plain->geometry().center()), plain);
        }
        QVERIFY(m_browser.opened.isEmpty());
        QCOMPARE(m_window->navigator().currentPage(), 1);
        const QPoint free = freePointOf(page, panel);
        QVERIFY(!free.isNull());
        QCOMPARE(clickPage(page, free), panel);
        QCOMPARE(m_browser.opened, QStringList{Expected::kMainRoot});
    }

    // The brand block: a bold line, then one line of plain text, red link and plain text.
    void brandBlockReadsAsOneLine_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("closing");
        QTest::newRow("questionnaire") << 1 << "Label149" << u("进行查询。");
        QTest::newRow("first planning article") << 12 << "Label248" << u("进行查询");
        QTest::newRow("planning article") << 13 << "Label260" << u("进行查询。");
        QTest::newRow("interview article") << 20 << "Label570" << u("进行查询。");
        QTest::newRow("contents") << 38 << "Label460" << u("进行查询");
    }
    void brandBlockReadsAsOneLine()
    {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(QString, closing);
        m_window->navigator().GoToPage(page);
        QWidget *p = m_window->page(page);
        QLabel *title = findText(p, u("Norwell教育  专注大学生职业发展"));
        QLabel *lead = findText(p, u("了解详情请点击"));
        auto *link = p->findChild<QLabel *>(name);
        QLabel *tail = findText(p, closing);
        QVERIFY(title && lead && link && tail);
        QVERIFY(title->font().bold());
        QVERIFY(title->geometry().bottom() <= lead->y());
        QCOMPARE(link->y(), lead->y());
        QCOMPARE(tail->y(), lead->y());
        QVERIFY(lead->geometry().right() < link->x() && link->x() - lead->geometry().right() <= 4);
        QVERIFY(link->geometry().right() < tail->x() && tail->x() - link->geometry().right() <= 4);
        for (QLabel *plain : {title, lead, tail})
            QVERIFY(!handPointer(plain));
    }

    void contentsPageReadsAsItsOutline()
    {
        m_window->navigator().GoToPage(38);
        const QVector<Line> lines = outline(0);
        const QList<QLabel *> labels = outlineLabels(m_window->page(38), lines);
        QCOMPARE(labels.size(), lines.size());
        for (int i = 0; i < lines.size(); ++i) {
            QLabel *label = labels[i];
            QCOMPARE(label->text(), lines[i].text);
            QVERIFY(label->geometry().bottom() < layoutHeight(38) - 250);
            QCOMPARE(handPointer(label), lines[i].kind != GroupLabel);
            QCOMPARE(label->font().bold(), lines[i].kind != Entry);
            if (lines[i].kind == Entry) {
                QCOMPARE(label->font().pixelSize(), 16);
                QCOMPARE(label->font().family(), u("宋体"));
            }
        }
        checkIndents(labels, lines);
    }

    void sectionPagesListTheirEntriesUnderTheirGroups_data()
    {
        QTest::addColumn<int>("page");
        for (int id = 39; id <= 42; ++id)
            QTest::addRow("TabSheet%d", id) << id;
    }
    void sectionPagesListTheirEntriesUnderTheirGroups()
    {
        QFETCH(int, page);
        m_window->navigator().GoToPage(page);
        const QVector<Line> lines = outline(page);
        const QList<QLabel *> labels = outlineLabels(m_window->page(page), lines);
        QCOMPARE(labels.size(), lines.size());
        for (int i = 0; i < lines.size(); ++i) {
            QLabel *label = labels[i];
            QCOMPARE(label->text(), lines[i].text);
            QCOMPARE(handPointer(label), lines[i].kind == Entry);
            QCOMPARE(label->font().bold(), lines[i].kind == GroupLabel);
            QCOMPARE(label->font().pixelSize(), 13);
        }
        checkIndents(labels, lines);
        // Room for the introduction between the heading and the list.
        QVERIFY(labels.first()->y() >= 180);
    }

    // The panel and footer sit in the band at the foot of their page, the same way on every page,
    // and nothing placed above reaches into that band.
    void footBlocksKeepTheirPlaceAndTheirBand()
    {
        QHash<QString, int> footerX;
        int footerRise = -1;
        for (int id = 1; id <= 35; ++id) {
            m_window->navigator().GoToPage(id);
            QWidget *page = m_window->page(id);
            const int height = layoutHeight(id);
            const int band = height - 250;
            const bool advert = id == 11 || id == 19 || id == 30 || id == 35;
            for (QWidget *w : page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
                const QRect r = w->geometry();
                QVERIFY2(r.right() < 850 || r.bottom() < band, qPrintable(w->objectName()));
                if (!advert && r.top() < band)
                    QVERIFY2(r.bottom() < band, qPrintable(QStringLiteral("TabSheet%1 %2").arg(id).arg(w->objectName())));
                if (r.top() >= band)
                    QVERIFY(r.bottom() < height);
            }
            for (const Expected::Link &link : Expected::links()) {
                if (link.page != id)
                    continue;
                QWidget *w = findLink(*m_window, link);
                if (link.isFooter()) {
                    if (footerRise < 0)
                        footerRise = height - w->y();
                    QCOMPARE(height - w->y(), footerRise);
                    const QString slot = link.effect == Effect::Exit ? u("下一页") : link.caption;
                    QCOMPARE(footerX.value(slot, w->x()), w->x());
                    footerX.insert(slot, w->x());
                } else if (!advert) {
                    QVERIFY2(w->y() >= band, qPrintable(link.tag()));
                }
            }
        }
    }

    // The PSTRI page keeps 110 px free above the band of its related links, the chart shown.
    void roomAboveThePanelOfTabSheet7()
    {
        m_window->navigator().GoToPage(7);
        QWidget *page = m_window->page(7);
        const int band = 4100 - 250;
        QWidget *chart = page->findChild<QWidget *>(QStringLiteral("ResultChart"));
        chart->show();
        int lowest = 0;
        for (QWidget *w : page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (w->y() < band)
                lowest = qMax(lowest, w->geometry().bottom());
        chart->hide();
        QVERIFY2(lowest < band - 110, qPrintable(QString::number(lowest)));
    }

    // Advert pages: the banner link below the advert texts' room, the five links, then the footer;
    // nothing in that part overlaps.
    void advertBlocksStandAboveTheFooter_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("banner");
        QTest::newRow("TabSheet11") << 11 << "Image1";
        QTest::newRow("TabSheet19") << 19 << "Image47";
        QTest::newRow("TabSheet30") << 30 << "Image6";
        QTest::newRow("TabSheet35") << 35 << "Image8";
    }
    void advertBlocksStandAboveTheFooter()
    {
        QFETCH(int, page);
        QFETCH(QString, banner);
        m_window->navigator().GoToPage(page);
        QWidget *p = m_window->page(page);
        QWidget *picture = p->findChild<QWidget *>(banner);
        QCOMPARE(picture->size(), QSize(745, 89));
        QVERIFY(picture->y() >= 1150);
        const QLabel *footer = findText(p, u("目录页"));
        QList<QWidget *> lower;
        for (QWidget *w : p->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (w->y() >= 1150)
                lower << w;
        for (const char *caption : {"更多详情", "课程中心", "师资团队", "求职BBS", "公益讲座"}) {
            QLabel *link = findText(p, u(caption));
            QVERIFY(link->y() > picture->geometry().bottom());
            QVERIFY(link->geometry().bottom() < footer->y());
        }
        for (int i = 0; i < lower.size(); ++i)
            for (int j = i + 1; j < lower.size(); ++j)
                QVERIFY2(!lower[i]->geometry().intersects(lower[j]->geometry()),
                         qPrintable(lower[i]->objectName() + " / " + lower[j]->objectName()));
    }

    // A picture that cannot be found leaves its block empty but still a link.
    void aMissingPictureStillTakesClicks()
    {
        QWidget page;
        QTest::ignoreMessage(QtWarningMsg, "Pathora: picture :/images/no-such-picture.jpg is missing or damaged");
        const int row = TLinkTable::indexOf(11, QStringLiteral("Image1"));
        QWidget *w = PageBuilder::buildBlock(&page, Blocks::link(row, QRect(10, 10, 745, 89), {},
                                                                 QStringLiteral(":/images/no-such-picture.jpg")));
        page.resize(800, 120);
        page.show();
        QCOMPARE(w->geometry(), QRect(10, 10, 745, 89));
        QVERIFY(handPointer(w));
        auto *link = qobject_cast<LinkLabel *>(w);
        QVERIFY(link);
        QSignalSpy clicked(link, &LinkLabel::clicked);
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(300, 40));
        QCOMPARE(clicked.size(), 1);
    }
};

PATHORA_TEST_MAIN(TestLinks)
#include "tst_links.moc"
