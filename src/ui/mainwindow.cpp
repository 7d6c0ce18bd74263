#include "ui/mainwindow.h"

#include "book/texts.h"
#include "ui/keyboard.h"
#include "ui/widgets/accessibility.h"

#include "ui/findinbook.h"
#include "ui/pagebuilder.h"
#include "book/layout/readingpages.h"
#include "ui/widgets/addressnote.h"
#include "ui/widgets/linklabel.h"
#include "ui/platform/messagebox.h"
#include "ui/platform/pictures.h"
#include "ui/platform/webpage.h"
#include "ui/questionnairepage.h"
#include "ui/readingstatus.h"
#include "ui/quizpages/questionnaires.h"
#include "ui/skin/skin.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QKeyEvent>
#include <QTimer>
#include <QWheelEvent>

namespace {

constexpr int kContainerLeft = 88, kContainerWidth = 921;
constexpr int kRightStripLeft = 938, kRightStripWidth = 87;
constexpr int kLeftStripLeft = 32, kLeftStripTop = 52, kLeftStripWidth = 60;
constexpr int kContentRight = kRightStripLeft + kRightStripWidth;   // 1025
constexpr int kNotch = 120;

QFont sansFont(int pixelSize)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

TForm2::TForm2(QWidget *parent, const RecordsSetup &records)
    : QMainWindow(parent), m_navigator(*this),
      m_links(m_navigator, [this](const QString &address) { openWebPage(address); }, [this] { CloseMainWindow(); })
{
    Accessibility::install();
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Pathora"));
    setWindowIcon(Pictures::get(QStringLiteral(":/images/icon.png")));
    setFont(sansFont(15));
    resize(kOuterWidth, kOuterHeight);

    buildMenu();
    buildClientArea();
    m_keys = new KeyboardAccess(*this, *m_scrollArea, m_navigator);
    // Below the client area; the outer size stays, the client area gives up the height.
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    m_status = new ReadingStatus(statusBar());
    m_records = new ReaderRecords(*this, *menuBar(), *statusBar(), m_navigator, records);
    m_records->setPlaceSource([this] { return qMakePair(m_navigator.currentPage(), scrollPosition()); });
    m_records->setScroller([this](int y) {
        finishCurrentPage();
        setScrollPosition(y);
    });
    buildPages();
    m_find = new FindInBook(*this, m_scrollArea, m_pageControl);

    qApp->installEventFilter(this);
    m_navigator.start();
}

TForm2::~TForm2()
{
    qApp->removeEventFilter(this);
}

void TForm2::buildMenu()
{
    // The menu stays in the window. Before the bar exists: a desktop's global menu bar is reached
    // over D-Bus, and where Qt cannot start its D-Bus thread (a tight memory limit) merely asking
    // whether there is one waits for ever.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setNativeMenuBar(false);
    const struct {
        const char *name;
        const char *caption;
        void (TNavigator::*operation)();
    } items[] = {
        {"N1", "返回首页", &TNavigator::GoHome},
        {"N2", "返回目录页", &TNavigator::GoToContents},
        {"N3", "上一页", &TNavigator::GoPrevious},
        {"N4", "下一页", &TNavigator::GoNext},
    };
    for (const auto &item : items) {
        QAction *action = bar->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QLatin1String(item.name));
        // The captions stay as they are; the command's key is told in its tip.
        const QString key = TextData::optional(QStringLiteral(":/data/window.txt"), QStringLiteral("key.") + QLatin1String(item.name));
        action->setToolTip(key.isEmpty() ? action->text() : action->text() + QStringLiteral("（") + key + QStringLiteral("）"));
        action->setStatusTip(action->toolTip());
        const auto operation = item.operation;
        connect(action, &QAction::triggered, this, [this, operation] { (m_navigator.*operation)(); });
    }
}

void TForm2::buildClientArea()
{
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    // At the first size the content fits the width; a smaller window scrolls sideways too.
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_scrollArea->setWidgetResizable(false);

    m_client = new QWidget;
    m_client->setObjectName(QStringLiteral("ClientArea"));
    m_client->setProperty("hidesDecorative", true);
    Skin::paintAsFrame(m_client);

    m_pageControl = new QStackedWidget(m_client);
    m_pageControl->setObjectName(QStringLiteral("PageControl1"));
    m_pageControl->setFont(sansFont(13));

    // Created after the container so they are drawn above it.
    m_rightStrip = new QFrame(m_client);
    m_rightStrip->setObjectName(QStringLiteral("Panel7"));
    m_leftStrip = new QFrame(m_client);
    m_leftStrip->setObjectName(QStringLiteral("Panel26"));
    for (QFrame *strip : {m_rightStrip, m_leftStrip}) {
        strip->setFrameShape(QFrame::NoFrame);
        strip->setProperty("decorative", true);
        Skin::paintAsFrame(strip);
    }

    m_scrollArea->setWidget(m_client);
    setCentralWidget(m_scrollArea);
    // What scrolls into view of a page built as far as its first view must be there.
    connect(m_scrollArea->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { finishCurrentPage(); });
}

// Every page exists from the start; its content is built from its data once, when the page is
// first needed or, before that, while the program is idle after its first frame. Start-up thus
// builds the cover alone, and no page change waits for more than one page to be built.
void TForm2::buildPages()
{
    m_pages.reserve(kPageCount);
    m_built.fill(Built::Nothing, kPageCount + 1);
    m_rest.resize(kPageCount + 1);
    m_preparedTo.fill(0, kPageCount + 1);
    m_builtTo.fill(0, kPageCount + 1);
    m_questionnaires.fill(nullptr, kPageCount + 1);
    for (PageId id = 1; id <= kPageCount; ++id) {
        auto *page = new QWidget;
        page->setObjectName(TPageEntry::pageName(id));
        Skin::paintAsPage(page);
        m_pageControl->addWidget(page);
        m_pages.append(page);
        if (TPageTable::entry(id).hasQuestionnaire)
            m_navigator.registerEntryHook(id, [this, id] {
                if (QuestionnairePage *questionnaire = m_questionnaires[id])
                    questionnaire->reset();
                m_records->pageEntered(id);
            });
    }
}

// The desktop could not open the address (no browser): the status bar offers it to copy. The
// page, its scroll position and its answers stay as they were. Made on first need, so that
// start-up does not pay for it.
void TForm2::openWebPage(const QString &address)
{
    if (OpenWebPage(address))
        return;
    QStatusBar *bar = statusBar();
    if (!m_addressNote) {
        m_addressNote = new AddressNote;
        bar->setObjectName(QStringLiteral("StatusBar"));
        bar->setSizeGripEnabled(false);
        bar->addWidget(m_addressNote, 1);
        connect(m_addressNote, &AddressNote::closed, bar, &QWidget::hide);
    }
    m_addressNote->showAddress(address);
    bar->show();
}

// Where the first view of a page ends, in page coordinates: the view's height below the page's
// top. Before the window shows, there is no view, and a page is built whole.
int TForm2::firstViewEnd() const
{
    if (!isVisible())
        return INT_MAX;
    return scrollPosition() + m_scrollArea->viewport()->height() - kPageTop;
}

// What a page's first view (down to `fold`) shows is built now; the rest waits for idle time or
// for anything that needs the whole page.
void TForm2::buildFirstView(PageId id, int fold)
{
    if (!TPageTable::isValid(id) || m_built[id] != Built::Nothing)
        return;
    m_built[id] = Built::FirstView;
    m_builtTo[id] = fold;
    QWidget *page = m_pages.at(id - 1);
    PageBuilder::build(page, ReadingPages::content(id), m_rest[id], fold);
    m_questionnaires[id] = Questionnaires::build(id, page, m_rest[id], fold);
    page->setProperty("pathoraFirstViewEnd", fold);
    m_records->pageStarted(id, page, m_questionnaires[id]);
    wireLinks(page);
    if (m_rest[id].empty())
        finishPage(id);
}

void TForm2::ensureBuilt(PageId id)
{
    if (!TPageTable::isValid(id))
        return;
    buildFirstView(id, INT_MAX);
    if (m_built[id] != Built::FirstView)
        return;
    m_rest[id].run();
    finishPage(id);
}

// Every link of the page goes through the one place that carries clicks out.
void TForm2::wireLinks(QWidget *page)
{
    static const char *const kWired = "pathoraWired";
    for (LinkLabel *link : page->findChildren<LinkLabel *>()) {
        if (link->property(kWired).toBool())
            continue;
        link->setProperty(kWired, true);
        connect(link, &LinkLabel::clicked, this, [this, link] { m_links.follow(link->link()); });
    }
}

// The rest of a page is built: widgets made while the page is shown are shown too (those a
// builder hid stay hidden), its links are wired, and the keyboard and find learn its controls.
void TForm2::finishPage(PageId id)
{
    m_built[id] = Built::Whole;
    QWidget *page = m_pages.at(id - 1);
    m_records->pageBuilt(id, page, m_questionnaires[id]);
    for (QObject *child : page->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (w && page->isVisible() && !w->isVisible() && !w->testAttribute(Qt::WA_WState_ExplicitShowHide))
            w->show();
    }
    wireLinks(page);
    m_keys->pageBuilt(page);
    m_find->attachPage(page);
}

// Anything that scrolls, takes the keyboard into the page or clicks it needs the whole page.
void TForm2::finishCurrentPage()
{
    const PageId current = m_navigator.currentPage();
    if (TPageTable::isValid(current) && m_built[current] == Built::FirstView)
        ensureBuilt(current);
}

// Done while idle, a strip at a time: a page whose top has been painted once off screen
// (polished, laid out, its glyphs cached) shows quickly when the reader first turns to it.
void TForm2::prepareForShow(PageId id)
{
    constexpr int kPrepared = 700, kStrip = 140;
    QWidget *page = m_pages.at(id - 1);
    int &done = m_preparedTo[id];
    if (!page->isVisible() && done < kPrepared) {
        if (done == 0)
            page->resize(kContainerWidth, TPageTable::entry(id).layoutHeight);
        QPixmap scratch(kContainerWidth, kPrepared);
        page->render(&scratch, QPoint(), QRegion(0, done, kContainerWidth, kStrip));
        done += kStrip;
        if (done < kPrepared)
            return;
    }
    m_built[id] = Built::Prepared;
    --m_unbuilt;
}

// What idle time builds next: the rest of the page shown, then the pages after it in reading
// order (where a reader goes next), round to the ones before it.
PageId TForm2::nextToBuild() const
{
    const PageId current = m_navigator.currentPage();
    if (TPageTable::isValid(current) && m_built[current] == Built::FirstView)
        return current;
    const QVector<PageId> &order = TPageTable::readingOrder();
    const qsizetype at = order.indexOf(current);
    for (qsizetype k = 1; k <= order.size(); ++k) {
        const PageId id = order.at((at + k) % order.size());
        if (m_built[id] != Built::Prepared)
            return id;
    }
    return kNoPage;
}

// A few milliseconds of building at a time, so that the reader's next key or click never waits
// long for it.
void TForm2::buildWhileIdle()
{
    const IdleSlice slice;
    while (m_unbuilt > 0 && !slice.over()) {
        const PageId id = nextToBuild();
        switch (m_built[id]) {
        case Built::Nothing:
            buildFirstView(id, firstViewEnd());
            break;
        case Built::FirstView:
            if (m_rest[id].run(slice.left()))
                finishPage(id);
            break;
        case Built::Whole:
            prepareForShow(id);
            break;
        case Built::Prepared:
            break;
        }
    }
    if (m_unbuilt > 0)
        QTimer::singleShot(0, this, &TForm2::buildWhileIdle);
}

QWidget *TForm2::page(PageId id)
{
    if (!TPageTable::isValid(id))
        return nullptr;
    ensureBuilt(id);
    return m_pages.at(id - 1);
}

int TForm2::scrollPosition() const
{
    return m_scrollArea->verticalScrollBar()->value();
}

int TForm2::scrollMaximum() const
{
    return m_scrollArea->verticalScrollBar()->maximum();
}

int TForm2::scrollExtent() const
{
    return m_client->height();
}

void TForm2::setScrollPosition(int y)
{
    m_scrollArea->verticalScrollBar()->setValue(y);
}

void TForm2::showPage(PageId id)
{
    const int fold = firstViewEnd();
    buildFirstView(id, fold);
    // Idle time may have built the page's first view for a smaller view than the window has now.
    if (m_built[id] == Built::FirstView && m_builtTo[id] < fold)
        ensureBuilt(id);
    m_pageControl->setCurrentIndex(TPageTable::entry(id).position());
    m_keys->pageShown(m_pages.at(id - 1));
    m_status->showPage(id, m_questionnaires[id]);
    m_records->pageShown(id);
}

void TForm2::setLayoutHeights(int height)
{
    m_pageControl->setGeometry(kContainerLeft, kPageTop, kContainerWidth, height);
    m_leftStrip->setGeometry(kLeftStripLeft, kLeftStripTop, kLeftStripWidth, height);
    m_rightStrip->setGeometry(kRightStripLeft, kPageTop, kRightStripWidth, height);
    // The extent is the lowest child's bottom edge; the scroll bar clamps its position to it.
    m_client->resize(m_client->width(), kPageTop + height);
    fitClientWidth();
}

void TForm2::showLastPageNotice()
{
    MessageBox::noticeOkCancel(this, QStringLiteral("已经是最后一页了！"));
}

void TForm2::CloseMainWindow()
{
    close();
}

void TForm2::closeEvent(QCloseEvent *event)
{
    m_records->closing(m_navigator.currentPage(), scrollPosition());
    QMainWindow::closeEvent(event);
}

void TForm2::fitClientWidth()
{
    m_client->resize(qMax(kContentRight, m_scrollArea->viewport()->width()), m_client->height());
}

void TForm2::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    m_shownAt.start();
    fitToScreen(QSize(kOuterWidth, kOuterHeight));
}

// The outer size counts the frame. Where the screen's free area is smaller (a laptop at 150 %),
// the window takes the largest size that fits, so its frame, menu and status bar stay on screen.
void TForm2::fitToScreen(const QSize &wanted)
{
    m_fittedFrame = frameGeometry().size() - geometry().size();
    QRect outer(QPoint(), wanted);
    // A screen whose free area is empty or beyond any real one (an absurd scale factor) is not
    // trusted: the window then keeps its first size at the screen's corner.
    constexpr int kLargestScreen = 1 << 16;
    QScreen *s = screen();
    QRect free = s ? s->availableGeometry() : QRect();
    if (free.isValid() && free.width() <= kLargestScreen && free.height() <= kLargestScreen
        && qAbs(free.x()) <= kLargestScreen && qAbs(free.y()) <= kLargestScreen) {
        // At a fractional scale a window manager's frame, rounded to whole device pixels, can come
        // out a pixel larger than its size in our pixels: keep that pixel free.
        const qreal ratio = s->devicePixelRatio();
        const int slack = !m_refitted || qFuzzyCompare(ratio, qRound(ratio) * 1.0) ? 0 : 1;
        free.adjust(0, 0, -slack, -slack);
        outer.setSize(outer.size().boundedTo(free.size()));
        outer.moveCenter(free.center());
        outer.moveTopLeft(QPoint(qMax(free.left(), outer.left()), qMax(free.top(), outer.top())));
    }
    resize(outer.size() - m_fittedFrame);
    move(outer.topLeft());
}

// A window manager tells the frame's size only after the window is first shown, and may place the
// frame a moment later still; the window was fitted with the frame it had then. While the frame
// settles (the first five seconds: a busy desktop, or a screen reader starting, frames it late), a
// window whose frame is not the one it was fitted with and that reaches off the screen is fitted
// again, at most a few times; after that the reader may place it anywhere.
void TForm2::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    refitOnceFrameKnown();
}

void TForm2::refitOnceFrameKnown()
{
    constexpr qint64 kSettling = 5000;
    constexpr int kMostRefits = 3;
    if (!m_shownOnce || m_refits >= kMostRefits || m_shownAt.elapsed() > kSettling
        || frameGeometry().size() - geometry().size() == m_fittedFrame)
        return;
    QScreen *s = screen();
    if (s && !s->availableGeometry().contains(frameGeometry())) {
        ++m_refits;
        m_refitted = true;
        fitToScreen(QSize(kOuterWidth, kOuterHeight));
    }
}

void TForm2::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    refitOnceFrameKnown();
    finishCurrentPage();
    fitClientWidth();
}

bool TForm2::eventFilter(QObject *watched, QEvent *event)
{
    // The remaining pages are built once the first frame is on screen.
    if (!m_idleBuildStarted && event->type() == QEvent::Paint && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this) {
        m_idleBuildStarted = true;
        QTimer::singleShot(0, this, &TForm2::buildWhileIdle);
        QTimer::singleShot(0, m_records, &ReaderRecords::start);
        // The window manager has framed the window by its first paint, but Qt tells no event when
        // only the frame changes (the client keeps its place): look at the frame then, and once more
        // a moment later for a slower window manager.
        QTimer::singleShot(0, this, &TForm2::refitOnceFrameKnown);
        QTimer::singleShot(300, this, &TForm2::refitOnceFrameKnown);
        QTimer::singleShot(1000, this, &TForm2::refitOnceFrameKnown);
    }
    // A key (but a page-turning Alt key) or a click in the page needs the whole page: the Tab
    // chain, the controls below the view, the marks of a finish.
    if ((event->type() == QEvent::KeyPress && !(static_cast<QKeyEvent *>(event)->modifiers() & Qt::AltModifier))
        || event->type() == QEvent::MouseButtonPress) {
        if (watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == this
            && (event->type() == QEvent::KeyPress || m_pageControl->isAncestorOf(static_cast<QWidget *>(watched))))
            finishCurrentPage();
    }
    if (event->type() == QEvent::Wheel && watched->isWidgetType()) {
        auto *target = static_cast<QWidget *>(watched);
        if (target->window() == this)
            return handleWheel(target, static_cast<QWheelEvent *>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

// One notch moves the client area by kWheelStep, whatever the desktop's lines-per-notch. A text
// box with its own scroll bar scrolls itself while it can; a closed combo box never takes the
// wheel, so scrolling past an answer cannot change it.
bool TForm2::handleWheel(QWidget *target, QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return false;
    for (QWidget *w = target; w && w != m_scrollArea; w = w->parentWidget()) {
        auto *area = qobject_cast<QAbstractScrollArea *>(w);
        if (!area)
            continue;
        const QScrollBar *bar = area->verticalScrollBar();
        const bool canMove = delta > 0 ? bar->value() > bar->minimum() : bar->value() < bar->maximum();
        if (bar->isVisible() && canMove)
            return false;
        break;
    }
    // Several events may come before the first full notch (fine-grained wheels).
    if ((m_wheelRemainder > 0) != (delta > 0))
        m_wheelRemainder = 0;
    m_wheelRemainder += delta;
    const int notches = m_wheelRemainder / kNotch;
    m_wheelRemainder -= notches * kNotch;
    if (notches != 0)
        setScrollPosition(scrollPosition() - notches * kWheelStep);
    event->accept();
    return true;
}
