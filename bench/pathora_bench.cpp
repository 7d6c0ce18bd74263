// Start-up, page-change and memory figures for Pathora, measured under the current platform
// (QT_QPA_PLATFORM=offscreen on a machine without a display):
//   pathora_bench
// Start-up is timed from the start of construction to the end of the first paint, for a bare
// window with the same menu and scroll area and then for Pathora's window, in this one run
// (the median of several runs each).
#include "book/search.h"
#include "ui/mainwindow.h"
#include "ui/widgets/choicegroup.h"
#include "ui/findinbook.h"
#include "ui/widgets/findbar.h"
#include "ui/platform/fonts.h"
#include "ui/skin/skin.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

// Notes the first paint of any widget of a window.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget *window) : m_window(window) {}
    bool painted = false;
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == m_window)
            painted = true;
        return false;
    }

private:
    QWidget *m_window;
};

// From the start of construction to the end of the event-loop pass that painted the first frame.
template <typename Make>
double timeToFirstPaint(Make make)
{
    QElapsedTimer t;
    t.start();
    auto window = make();
    FirstPaint probe(window.get());
    qApp->installEventFilter(&probe);
    window->show();
    while (!probe.painted)
        QApplication::processEvents();
    const double ms = t.nsecsElapsed() / 1e6;
    qApp->removeEventFilter(&probe);
    return ms;
}

std::unique_ptr<QMainWindow> bareWindow()
{
    auto w = std::make_unique<QMainWindow>();
    for (const char *c : {"返回首页", "返回目录页", "上一页", "下一页"})
        w->menuBar()->addAction(QString::fromUtf8(c));
    auto *area = new QScrollArea;
    auto *client = new QWidget;
    client->resize(1025, 1056);
    area->setWidget(client);
    w->setCentralWidget(area);
    w->resize(1058, 598);
    return w;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    Fonts::installSubstitutions();

    // Warm the platform once, so neither side pays for it alone.
    timeToFirstPaint(bareWindow);

    // The first start of the process also unpacks the skin and decodes the cover picture.
    const double firstStart = timeToFirstPaint([&] {
        Skin::applyBuiltIn(app);
        return std::make_unique<TForm2>();
    });

    std::vector<double> bare, pathora;
    for (int i = 0; i < 9; ++i) {
        bare.push_back(timeToFirstPaint(bareWindow));
        pathora.push_back(timeToFirstPaint([] { return std::make_unique<TForm2>(); }));
    }
    std::printf("start-up to first paint: bare window %.1f ms, Pathora %.1f ms (median of 9; ratio %.2f)\n",
                median(bare), median(pathora), median(pathora) / median(bare));
    std::printf("first start of the process (skin unpacked, cover decoded): %.1f ms\n", firstStart);

    TForm2 window;
    window.show();
    QElapsedTimer idle;
    idle.start();
    while (!window.allPagesBuilt())
        app.processEvents();
    const double idleBuild = idle.nsecsElapsed() / 1e6;
    double worst = 0, total = 0;
    int changes = 0;
    PageId worstPage = kNoPage;
    for (int round = 0; round < 3; ++round) {
        for (PageId id : TPageTable::readingOrder()) {
            QElapsedTimer t;
            t.start();
            window.navigator().GoToPage(id);
            window.repaint();
            const double ms = t.nsecsElapsed() / 1e6;
            total += ms;
            ++changes;
            if (ms > worst) {
                worst = ms;
                worstPage = id;
            }
        }
    }
    std::printf("pages built while idle after the first frame: %.1f ms in all\n", idleBuild);
    std::printf("page change with repaint: mean %.2f ms, worst %.2f ms (%s), %d changes\n", total / changes,
                worst, qPrintable(TPageEntry::pageName(worstPage)), changes);

    // Finish on the PSTRI page, fifty answers given.
    {
        window.navigator().GoToPage(7);
        QWidget *page = window.page(7);
        for (int k = 1; k <= 50; ++k)
            page->findChild<ChoiceGroup *>(QStringLiteral("RadioGroup%1").arg(10 + k))->option(k % 4)->click();
        auto *finish = page->findChild<QPushButton *>(QStringLiteral("Button7_1"));
        std::vector<double> times;
        for (int i = 0; i < 21; ++i) {
            QElapsedTimer t;
            t.start();
            finish->click();
            times.push_back(t.nsecsElapsed() / 1e6);
        }
        std::printf("Finish on the PSTRI page: median %.3f ms over 21 presses\n", median(times));
    }

    // Find over the whole book: the index is built once, then every query scans all of it.
    {
        QElapsedTimer t;
        t.start();
        const BookIndex &book = BookIndex::book();
        const double buildMs = t.nsecsElapsed() / 1e6;
        double worstFind = 0;
        QString worstQuery;
        int worstHits = 0;
        for (const char *q : {"的", "面试", "，", "ＥＱ", "star", "e", "问题45", "量子色动力学", "较好回答用的都是常见词汇和简单句"}) {
            const QString query = QString::fromUtf8(q);
            std::vector<double> times;
            int hits = 0;
            for (int i = 0; i < 21; ++i) {
                QElapsedTimer f;
                f.start();
                hits = static_cast<int>(book.find(query).size());
                times.push_back(f.nsecsElapsed() / 1e6);
            }
            if (median(times) > worstFind) {
                worstFind = median(times);
                worstQuery = query;
                worstHits = hits;
            }
        }
        std::printf("find over the whole book (%d texts): index built in %.1f ms; worst query \"%s\" %.3f ms "
                    "(median of 21, %d hits)\n",
                    book.placeCount(), buildMs, worstQuery.toLocal8Bit().constData(), worstFind, worstHits);
        // The bar with its list of pages, for the commonest character, painted: first made, then again.
        FindInBook *find = window.findChild<FindInBook *>();
        for (const char *when : {"first opened", "open"}) {
            QElapsedTimer shown;
            shown.start();
            find->open(QString::fromUtf8(*when == 'f' ? "的" : "了"));
            window.repaint();
            const double ms = shown.nsecsElapsed() / 1e6;
            std::printf("find bar %s, filled and painted (%d hits): %.1f ms\n", when,
                        static_cast<int>(find->bar()->hits().size()), ms);
        }
        find->close();
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory with every page built: %.1f MB\n", usage.ru_maxrss / 1024.0);

    // A page the reader opens before idle time has built it is built on the spot.
    double worstFirstVisit = 0;
    PageId worstFirstPage = kNoPage;
    {
        TForm2 cold;
        cold.show();
        for (PageId id = 1; id <= kPageCount; ++id) {
            QElapsedTimer t;
            t.start();
            cold.navigator().GoToPage(id);
            cold.repaint();
            const double ms = t.nsecsElapsed() / 1e6;
            if (ms > worstFirstVisit) {
                worstFirstVisit = ms;
                worstFirstPage = id;
            }
        }
    }

    std::printf("first visit to a page not built yet: worst %.2f ms (%s)\n", worstFirstVisit,
                qPrintable(TPageEntry::pageName(worstFirstPage)));
    return 0;
}
