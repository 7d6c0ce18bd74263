// Start-up, page-change and memory figures for Pathora beside a bare Qt window, measured under the
// current platform (QT_QPA_PLATFORM=offscreen on a machine without a display):
//   pathora_bench [RUNS]
// Every run is a process of its own (this program started again with --run KIND), so that one
// run's caches and heap never flatter the next; the table gives the median and the worst of the
// runs for each figure and its ratio to the bare window's figure of the same runs.
//   timing        start-up to the first painted frame, the median of 9 windows each; page changes
//                 with a repaint in three settings: every page built (three rounds in reading
//                 order), turning pages from the moment the window first shows (no idle time, so
//                 every page's first view is built on the spot), and returning to a questionnaire
//                 page after answering it; the bare window's change is between two pages of text;
//                 the time idle building takes, and its longest slice.
//                 With the reader's records: start-up with a store of 1,000 results and 20 typed
//                 texts (and the time until they are read), a keystroke in the résumé box with
//                 keeping off and on, and page changes with keeping on.
//   memory        peak resident memory with every page built and painted once, and what the
//                 resident set holds then (anonymous, file-backed); the bare window shows one
//                 page of Chinese text with the machine's own fonts.
#include "book/texts.h"
#include "book/search.h"
#include "records/recordstore.h"
#include "ui/mainwindow.h"
#include "ui/widgets/editabletextbox.h"
#include "ui/platform/fonts.h"
#include "ui/skin/skin.h"
#include "ui/widgets/choicegroup.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QMenuBar>
#include <QProcess>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#endif
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

template <typename Window>
void waitForFirstPaint(Window &window)
{
    FirstPaint probe(&window);
    qApp->installEventFilter(&probe);
    window.show();
    while (!probe.painted)
        QApplication::processEvents();
    qApp->removeEventFilter(&probe);
}

// From the start of construction to the end of the event-loop pass that painted the first frame.
template <typename Make>
double timeToFirstPaint(Make make)
{
    QElapsedTimer t;
    t.start();
    auto window = make();
    waitForFirstPaint(*window);
    return t.nsecsElapsed() / 1e6;
}

// About as much as one page shows at once.
QString pageOfText()
{
    return TextData::text(QStringLiteral(":/data/articles/TabSheet12.txt"), QStringLiteral("box1")).left(1500);
}

// The same frame as Pathora's (menu, scroll area, client size) around two pages of text.
class BareWindow : public QMainWindow {
public:
    BareWindow()
    {
        for (const char *c : {"返回首页", "返回目录页", "上一页", "下一页"})
            menuBar()->addAction(QString::fromUtf8(c));
        auto *area = new QScrollArea;
        auto *client = new QWidget;
        client->resize(1025, 1056);
        pages = new QStackedWidget(client);
        pages->setGeometry(88, 56, 921, 1000);
        for (int i = 0; i < 2; ++i) {
            auto *text = new QLabel(pageOfText());
            text->setWordWrap(true);
            text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            pages->addWidget(text);
        }
        area->setWidget(client);
        setCentralWidget(area);
        resize(1058, 598);
    }
    QStackedWidget *pages;
};

struct Times {
    std::vector<double> ms;
    void add(double v) { ms.push_back(v); }
    double median() const
    {
        std::vector<double> v = ms;
        std::sort(v.begin(), v.end());
        return v.empty() ? 0 : v[v.size() / 2];
    }
    double worst() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

// One page change and the repaint of the window. Under callgrind
// (valgrind --tool=callgrind --toggle-collect='*timedChange*' pathora_bench --run timing) every
// change is a profile part of its own, named after the setting and the page: instruction counts
// are steady where the clock is not (a busy machine).
Q_NEVER_INLINE double timedChange(QWidget &window, const std::function<void()> &change, const char *what)
{
    QElapsedTimer t;
    t.start();
    change();
    window.repaint();
    const double ms = t.nsecsElapsed() / 1e6;
#ifdef CALLGRIND_DUMP_STATS_AT
    CALLGRIND_DUMP_STATS_AT(what);
#else
    Q_UNUSED(what);
#endif
    return ms;
}

double timeChange(QWidget &window, const std::function<void()> &change, const char *setting, PageId page = kNoPage)
{
    const QByteArray what = QByteArray(setting) + ' ' + (page == kNoPage ? QByteArray() : TPageEntry::pageName(page).toLatin1());
    return timedChange(window, change, what.constData());
}

void print(const char *key, double value)
{
    std::printf("%s %.3f\n", key, value);
}

void answerEverything(QWidget *page)
{
    for (ChoiceGroup *group : page->findChildren<ChoiceGroup *>())
        if (group->isVisibleTo(page) && group->optionCount() > 0)
            group->option(group->optionCount() - 1)->click();
    for (QComboBox *box : page->findChildren<QComboBox *>())
        if (box->count() > 1) {
            box->setCurrentIndex(1);
            emit box->activated(1);
        }
}

// A store as a season of use leaves it: 1,000 results over the ten questionnaires, 20 typed texts.
void fillStore(const QString &folder)
{
    Records::Store store(folder);
    store.open();
    Records::Batch batch;
    batch.putSettings.insert(Records::Store::settingKeep(), QStringLiteral("1"));
    batch.putSettings.insert(QStringLiteral("place"), QStringLiteral("20,0"));
    const PageId pages[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    for (int i = 0; i < 1000; ++i)
        batch.addResults.append({QStringLiteral("r%1").arg(i), pages[i % 10], 1760000000000 + i * 3600000LL,
                                 QStringLiteral("%1 分").arg(i % 170), QStringLiteral("较高"), QStringLiteral("1,2,3"),
                                 QStringLiteral("[\"0\",\"1\"]")});
    for (int i = 0; i < 20; ++i)
        batch.putTexts.append({QStringLiteral("TabSheet23/Box%1").arg(i), QString(3000, QChar(0x5B57)), 1});
    store.write(batch);
}

// The median time of a keystroke in the résumé box, its repaint included.
double keystroke(TForm2 &window)
{
    window.navigator().GoToPage(23);
    auto *box = window.page(23)->findChild<EditableTextBox *>(QStringLiteral("ArticleBox3"));
    box->setFocus();
    box->moveCursor(QTextCursor::End);
    window.repaint();
    Times times;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer t;
        t.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
        window.repaint();
        times.add(t.nsecsElapsed() / 1e6);
        QCoreApplication::processEvents();   // the hand-over timer, as between real keys
    }
    return times.median();
}

int runTiming(QApplication &app)
{
    Skin::applyBuiltIn(app);
    // Warm the platform, the skin and the pictures once, so neither side pays for them alone.
    timeToFirstPaint([] { return std::make_unique<BareWindow>(); });
    timeToFirstPaint([] { return std::make_unique<TForm2>(); });

    QTemporaryDir home;
    fillStore(home.path());
    Times bareStart, pathoraStart, recordsStart;
    for (int i = 0; i < 9; ++i) {
        bareStart.add(timeToFirstPaint([] { return std::make_unique<BareWindow>(); }));
        pathoraStart.add(timeToFirstPaint([] { return std::make_unique<TForm2>(); }));
        recordsStart.add(timeToFirstPaint([&] { return std::make_unique<TForm2>(nullptr, RecordsSetup{home.path(), false}); }));
    }
    print("start.bare", bareStart.median());
    print("start.records", recordsStart.median());
    {
        TForm2 off;
        waitForFirstPaint(off);
        while (!off.allPagesBuilt())
            app.processEvents();
        print("key.off", keystroke(off));
    }
    {
        TForm2 on(nullptr, RecordsSetup{home.path(), false});
        waitForFirstPaint(on);
        while (!on.records().keeper().isLoaded() || !on.allPagesBuilt())
            app.processEvents();
        print("key.on", keystroke(on));
        Times changes;
        for (int round = 0; round < 2; ++round)
            for (PageId id : TPageTable::readingOrder())
                changes.add(timeChange(on, [&] { on.navigator().GoToPage(id); }, "records", id));
        print("change.records.median", changes.median());
        print("change.records.worst", changes.worst());
    }
    print("start.pathora", pathoraStart.median());

    Times bareChange;
    {
        BareWindow bare;
        waitForFirstPaint(bare);
        for (int i = 0; i < 3 * kPageCount; ++i)
            bareChange.add(timeChange(bare, [&] { bare.pages->setCurrentIndex(1 - bare.pages->currentIndex()); }, "bare"));
    }
    print("change.bare.median", bareChange.median());
    print("change.bare.worst", bareChange.worst());

    // Turning pages from the first frame on, faster than idle time comes.
    Times cold;
    {
        TForm2 window;
        waitForFirstPaint(window);
        for (PageId id : TPageTable::readingOrder())
            cold.add(timeChange(window, [&] { window.navigator().GoToPage(id); }, "cold", id));
    }

    TForm2 window;
    waitForFirstPaint(window);
    QElapsedTimer idle;
    idle.start();
    // The idle builder works in slices; a key or click that comes during one waits for its end.
    double longestSlice = 0;
    while (!window.allPagesBuilt()) {
        QElapsedTimer slice;
        slice.start();
        app.processEvents();
        longestSlice = std::max(longestSlice, slice.nsecsElapsed() / 1e6);
    }
    print("idle.build", idle.nsecsElapsed() / 1e6);
    print("idle.slice", longestSlice);

    Times built;
    for (int round = 0; round < 3; ++round)
        for (PageId id : TPageTable::readingOrder())
            built.add(timeChange(window, [&] { window.navigator().GoToPage(id); }, "built", id));

    Times back;
    for (int round = 0; round < 3; ++round)
        for (PageId id : TPageTable::readingOrder()) {
            if (!TPageTable::entry(id).hasQuestionnaire)
                continue;
            window.navigator().GoToPage(id);
            answerEverything(window.page(id));
            window.repaint();
            window.navigator().GoToPage(1);
            window.repaint();
            back.add(timeChange(window, [&] { window.navigator().GoToPage(id); }, "return", id));
        }

    // Find over the whole book: the index is built once, then every query scans all of it.
    {
        QElapsedTimer t;
        t.start();
        const BookIndex &book = BookIndex::book();
        print("find.build", t.nsecsElapsed() / 1e6);
        double worstFind = 0;
        for (const char *q : {"的", "面试", "，", "ＥＱ", "star", "e", "问题45", "量子色动力学", "较好回答用的都是常见词汇和简单句"}) {
            Times times;
            for (int i = 0; i < 21; ++i) {
                QElapsedTimer f;
                f.start();
                book.find(QString::fromUtf8(q));
                times.add(f.nsecsElapsed() / 1e6);
            }
            worstFind = std::max(worstFind, times.median());
        }
        print("find.worst", worstFind);
    }

    for (const auto &[name, times] : {std::pair{"built", &built}, {"cold", &cold}, {"return", &back}}) {
        print(qPrintable(QStringLiteral("change.%1.median").arg(QLatin1String(name))), times->median());
        print(qPrintable(QStringLiteral("change.%1.worst").arg(QLatin1String(name))), times->worst());
    }
    return 0;
}

void printResident()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray &line : status.readAll().split('\n'))
            for (const char *key : {"RssAnon:", "RssFile:"})
                if (line.startsWith(key))
                    print(key, line.mid(int(qstrlen(key))).trimmed().split(' ').first().toDouble() / 1024);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    print("peak", usage.ru_maxrss / 1024.0);
}

int runMemoryBare()
{
    BareWindow window;
    waitForFirstPaint(window);
    window.repaint();
    printResident();
    return 0;
}

int runMemoryPathora(QApplication &app)
{
    Fonts::installSubstitutions();
    Skin::applyBuiltIn(app);
    TForm2 window;
    waitForFirstPaint(window);
    while (!window.allPagesBuilt())
        app.processEvents();
    for (PageId id : TPageTable::readingOrder()) {
        window.navigator().GoToPage(id);
        window.repaint();
    }
    printResident();
    return 0;
}

// Runs this program again for one figure set; the figures it prints, by name.
QMap<QString, double> runChild(const QString &kind)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--run"), kind});
    QMap<QString, double> figures;
    if (!child.waitForFinished(600000) || child.exitCode() != 0) {
        std::fprintf(stderr, "the %s run failed\n", qPrintable(kind));
        return figures;
    }
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() == 2)
            figures.insert(QString::fromLatin1(parts[0]), parts[1].toDouble());
    }
    return figures;
}

// The median and the worst of one figure over the runs.
struct Summary {
    std::vector<double> values;
    double median() const { Times t{values}; return t.median(); }
    double worst() const { Times t{values}; return t.worst(); }
};

int drive(int runs)
{
    QMap<QString, Summary> figures;
    for (int i = 0; i < runs; ++i) {
        for (const QString &kind : {QStringLiteral("timing"), QStringLiteral("memory-bare"), QStringLiteral("memory-pathora")}) {
            const QMap<QString, double> run = runChild(kind);
            for (auto it = run.begin(); it != run.end(); ++it)
                figures[kind.startsWith(QLatin1String("memory")) ? kind + QLatin1Char('.') + it.key() : it.key()]
                    .values.push_back(it.value());
        }
    }
    const auto row = [&](const char *label, const QString &key, const QString &bareKey, const char *unit) {
        const Summary &s = figures[key];
        if (s.values.empty())
            return;
        std::printf("%-46s median %7.2f %s  worst %7.2f %s", label, s.median(), unit, s.worst(), unit);
        if (!bareKey.isEmpty() && figures[bareKey].median() > 0)
            std::printf("   bare %6.2f %s, ratio %.2f", figures[bareKey].median(), unit,
                        s.median() / figures[bareKey].median());
        std::printf("\n");
    };
    std::printf("%d runs, each its own process; medians and worsts are over the runs\n", runs);
    row("start-up to first paint (median of 9)", "start.pathora", "start.bare", "ms");
    row("start-up, records on (1,000 results, 20 texts)", "start.records", "start.bare", "ms");
    row("keystroke in the résumé box, records off", "key.off", QString(), "ms");
    row("keystroke in the résumé box, records on", "key.on", "key.off", "ms");
    row("page change, records on: median", "change.records.median", "change.bare.median", "ms");
    row("page change, records on: worst", "change.records.worst", "change.bare.worst", "ms");
    row("page change, all pages built: median", "change.built.median", "change.bare.median", "ms");
    row("page change, all pages built: worst", "change.built.worst", "change.bare.worst", "ms");
    row("page change, pages not built yet: median", "change.cold.median", "change.bare.median", "ms");
    row("page change, pages not built yet: worst", "change.cold.worst", "change.bare.worst", "ms");
    row("return to an answered questionnaire: median", "change.return.median", "change.bare.median", "ms");
    row("return to an answered questionnaire: worst", "change.return.worst", "change.bare.worst", "ms");
    row("building every page while idle", "idle.build", QString(), "ms");
    row("  its longest slice (what a key may wait for)", "idle.slice", QString(), "ms");
    row("find: building the index", "find.build", QString(), "ms");
    row("find over the whole book, slowest query (median of 21)", "find.worst", QString(), "ms");
    row("peak resident memory, every page built", "memory-pathora.peak", "memory-bare.peak", "MB");
    row("  of it anonymous (heap) at the end", "memory-pathora.RssAnon:", "memory-bare.RssAnon:", "MB");
    row("  of it file-backed at the end", "memory-pathora.RssFile:", "memory-bare.RssFile:", "MB");
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const QString kind = argc > 2 && qstrcmp(argv[1], "--run") == 0 ? QString::fromLatin1(argv[2]) : QString();
    if (kind.isEmpty()) {
        QCoreApplication app(argc, argv);
        return drive(argc > 1 ? qMax(1, atoi(argv[1])) : 5);
    }
    QApplication app(argc, argv);
    if (kind == QLatin1String("timing")) {
        Fonts::installSubstitutions();
        return runTiming(app);
    }
    if (kind == QLatin1String("memory-bare"))
        return runMemoryBare();
    if (kind == QLatin1String("memory-pathora"))
        return runMemoryPathora(app);
    std::fprintf(stderr, "unknown run %s\n", qPrintable(kind));
    return 2;
}
