#include "ui/findinbook.h"

#include "ui/mainwindow.h"
#include "ui/widgets/findbar.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <QToolBar>

namespace {

const QColor kMarkColor(0xff, 0xd0, 0x40);

// The text a control shows the reader, or a null string for controls that show none.
QString shownText(const QWidget *w)
{
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return label->pixmap().isNull() ? label->text() : QString();
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->text();
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(w))
        return box->toPlainText();
    return {};
}

// Where `text` shows in a control's text as a whole line or the end of one (a prompt after its
// number, a statement after its letters); -1 when it does not.
qsizetype lineEndPosition(const QString &shown, const QString &text)
{
    if (text.isEmpty())
        return -1;
    for (qsizetype at = shown.indexOf(text); at >= 0; at = shown.indexOf(text, at + 1)) {
        const qsizetype end = at + text.size();
        if (end == shown.size() || shown[end] == QLatin1Char('\n'))
            return at;
    }
    return -1;
}

struct Located {
    QWidget *widget = nullptr;
    int start = -1;       // of the match in the widget's text; -1 when it cannot be marked
    int length = 0;
};

// The control that shows a hit's text on its built page, found by name or by the text itself.
Located locate(QWidget *page, const FindPlace &place, const FindHit &hit)
{
    Located found;
    qsizetype at = -1;
    if (!place.name.isEmpty()) {
        if (QWidget *w = page->findChild<QWidget *>(place.name)) {
            found.widget = w;
            at = lineEndPosition(shownText(w), place.text);
        }
    }
    if (!found.widget) {
        bool anchored = place.anchor.isEmpty();
        int skip = place.ordinal;
        for (QWidget *w : page->findChildren<QWidget *>()) {
            const QString shown = shownText(w);
            if (shown.isEmpty())
                continue;
            if (!anchored) {
                anchored = lineEndPosition(shown, place.anchor) >= 0;
                continue;
            }
            const qsizetype position = lineEndPosition(shown, place.text);
            if (position >= 0 && skip-- == 0) {
                found.widget = w;
                at = position;
                break;
            }
        }
    }
    if (!found.widget)
        return found;
    // The reader may have typed in an editable box since: then mark the first match still there.
    const QString shown = shownText(found.widget);
    const QString wanted = BookIndex::fold(place.text.mid(hit.offset, hit.length));
    qsizetype start = at >= 0 ? at + hit.offset : -1;
    if (start < 0 || BookIndex::fold(shown.mid(start, hit.length)) != wanted)
        start = BookIndex::fold(shown).indexOf(wanted);
    found.start = static_cast<int>(start);
    found.length = hit.length;
    return found;
}

// Where a verdict will show: the result box after the page's last button.
QWidget *resultBoxOf(QWidget *page)
{
    QWidget *box = nullptr;
    for (QWidget *w : page->findChildren<QWidget *>()) {
        if (qobject_cast<QPushButton *>(w))
            box = w;
        else if (box && qobject_cast<QPushButton *>(box) && qobject_cast<QPlainTextEdit *>(w))
            box = w;
    }
    return box;
}

// The rectangles a run of characters covers in a label or a button, laid out as the control
// draws its text.
QVector<QRect> textRects(QWidget *w, int start, int length)
{
    QRect area = w->contentsRect();
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    bool wrap = false;
    if (auto *label = qobject_cast<QLabel *>(w)) {
        const int margin = label->margin();
        area.adjust(margin, margin, -margin, -margin);
        align = label->alignment();
        wrap = label->wordWrap();
    } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool radio = qobject_cast<QRadioButton *>(w);
        if (radio || qobject_cast<QCheckBox *>(w))
            area = w->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents,
                                              &option, w);
        else
            align = Qt::AlignCenter;
    }
    QString text = shownText(w);
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(text, w->font());
    QTextOption option;
    option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(wrap ? area.width() : 1e6);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    qreal top = area.top();
    if (align & Qt::AlignVCenter)
        top += (area.height() - height) / 2;
    else if (align & Qt::AlignBottom)
        top += area.height() - height;

    QVector<QRect> rects;
    const int end = start + length;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const int from = qMax(start, line.textStart()), to = qMin(end, line.textStart() + line.textLength());
        if (from >= to)
            continue;
        qreal left = area.left();
        if (align & Qt::AlignHCenter)
            left += (area.width() - line.naturalTextWidth()) / 2;
        else if (align & Qt::AlignRight)
            left += area.width() - line.naturalTextWidth();
        const qreal x1 = line.cursorToX(from), x2 = line.cursorToX(to);
        rects << QRectF(left + x1 - 1, top + line.y(), x2 - x1 + 2, line.height()).toAlignedRect();
    }
    return rects;
}

} // namespace

// A highlighter's stroke over a match in a label or a button; it takes no clicks.
class FindMark : public QWidget {
public:
    // `rects` in the target's coordinates; the mark covers their bounds.
    FindMark(QWidget *target, const QVector<QRect> &rects) : QWidget(target)
    {
        setObjectName(QStringLiteral("FindMark"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        QRect bounds;
        for (const QRect &r : rects)
            bounds |= r;
        for (const QRect &r : rects)
            m_rects << r.translated(-bounds.topLeft());
        setGeometry(bounds);
        show();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        // Multiplied onto what the control drew, so that its text stays dark on the yellow.
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kMarkColor);
        for (const QRect &r : m_rects)
            painter.drawRoundedRect(r, 2, 2);
    }

private:
    QVector<QRect> m_rects;
};

FindInBook::FindInBook(TForm2 &window, QScrollArea *clientArea, QStackedWidget *pages)
    : QObject(&window), m_window(window), m_clientArea(clientArea)
{
    const auto key = [&window](const QKeySequence &sequence, auto slot) {
        auto *shortcut = new QShortcut(sequence, &window);
        QObject::connect(shortcut, &QShortcut::activated, &window, slot);
        return shortcut;
    };
    key(QKeySequence::Find, [this] { open(); });
    // Editable fields take "/" as text before it can become a shortcut.
    key(QKeySequence(Qt::Key_Slash), [this] { open(); });
    key(QKeySequence::FindNext, [this] { step(+1); });
    key(QKeySequence::FindPrevious, [this] { step(-1); });
    m_escape = key(QKeySequence(Qt::Key_Escape), [this] { close(); });
    m_escape->setEnabled(false);
    connect(pages, &QStackedWidget::currentChanged, this, &FindInBook::clearMark);
}

// The bar is made when first opened, so that start-up does not pay for it.
FindBar *FindInBook::ensureBar()
{
    if (m_bar)
        return m_bar;
    // A tool bar at the bottom stands above the status bar, and leaves the window's size alone.
    m_toolBar = new QToolBar(&m_window);
    m_toolBar->setObjectName(QStringLiteral("FindToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_toolBar->toggleViewAction()->setVisible(false);
    m_bar = new FindBar(m_toolBar);
    m_bar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_toolBar->addWidget(m_bar);
    m_window.addToolBar(Qt::BottomToolBarArea, m_toolBar);
    connect(m_bar, &FindBar::chosen, this, &FindInBook::land);
    connect(m_bar, &FindBar::searched, this, &FindInBook::clearMark);
    connect(m_bar, &FindBar::closeRequested, this, &FindInBook::close);
    return m_bar;
}

FindInBook::~FindInBook() = default;

void FindInBook::open()
{
    ensureBar();
    QWidget *focus = m_window.focusWidget();
    if (focus && !m_toolBar->isAncestorOf(focus))
        m_focusBefore = focus;
    m_toolBar->show();
    m_escape->setEnabled(true);
    m_bar->open();
}

void FindInBook::open(const QString &text)
{
    open();
    m_bar->open(text);
}

// F3 and Shift+F3 keep the focus where it is; with nothing to look for they open the bar.
void FindInBook::step(int direction)
{
    if (!m_bar || m_bar->field()->text().trimmed().isEmpty()) {
        open();
        return;
    }
    m_toolBar->show();
    m_escape->setEnabled(true);
    m_bar->step(direction);
}

void FindInBook::close()
{
    if (!m_toolBar || m_toolBar->isHidden())
        return;
    m_escape->setEnabled(false);
    const bool hadFocus = m_toolBar->isAncestorOf(m_window.focusWidget());
    m_toolBar->hide();
    if (!hadFocus)
        return;
    if (m_focusBefore && m_focusBefore->isVisible() && m_focusBefore->isEnabled())
        m_focusBefore->setFocus(Qt::OtherFocusReason);
    else
        m_clientArea->setFocus(Qt::OtherFocusReason);
}

void FindInBook::attachPage(QWidget *page)
{
    if (auto *field = page->findChild<QLineEdit *>(QStringLiteral("SearchBook")))
        connect(field, &QLineEdit::returnPressed, this, [this, field] { open(field->text()); });
}

void FindInBook::land(const FindHit &hit)
{
    clearMark();
    const FindPlace &place = BookIndex::book().place(hit.place);
    m_window.navigator().GoToPage(place.page);
    QWidget *page = m_window.page(place.page);
    if (!page)
        return;
    const Located at = locate(page, place, hit);
    if (!at.widget) {
        // A verdict is not on the page until the test is finished: show where it will be.
        if (QWidget *box = place.source == FindSource::Verdict ? resultBoxOf(page) : nullptr)
            scrollIntoView(box, box->rect());
        return;
    }
    if (auto *box = qobject_cast<QPlainTextEdit *>(at.widget)) {
        if (at.start < 0) {
            scrollIntoView(box, box->rect());
            return;
        }
        QTextCursor cursor(box->document());
        cursor.setPosition(at.start);
        cursor.setPosition(at.start + at.length, QTextCursor::KeepAnchor);
        box->setTextCursor(cursor);
        m_markedBox = box;
        if (box->verticalScrollBar()->maximum() > 0)
            box->centerCursor();
        QTextCursor first = cursor;
        first.setPosition(at.start);
        const QRect rect = box->cursorRect(first) | box->cursorRect(cursor);
        scrollIntoView(box, QRect(box->viewport()->mapTo(box, rect.topLeft()), rect.size()));
        return;
    }
    if (at.start < 0) {
        scrollIntoView(at.widget, at.widget->rect());
        return;
    }
    const QVector<QRect> rects = textRects(at.widget, at.start, at.length);
    if (rects.isEmpty()) {
        scrollIntoView(at.widget, at.widget->rect());
        return;
    }
    m_mark = new FindMark(at.widget, rects);
    scrollIntoView(at.widget, m_mark->geometry());
}

void FindInBook::clearMark()
{
    delete m_mark.data();
    if (QPlainTextEdit *box = m_markedBox.data()) {
        QTextCursor cursor = box->textCursor();
        cursor.clearSelection();
        box->setTextCursor(cursor);
    }
    m_markedBox.clear();
}

// Scrolls the window so that `rect` of `widget` stands well inside the visible part, a third of
// the view from its edge where the page allows.
void FindInBook::scrollIntoView(QWidget *widget, const QRect &rect)
{
    QWidget *client = m_clientArea->widget();
    const QPoint topLeft = widget->mapTo(client, rect.topLeft());
    const int visible = m_clientArea->viewport()->height();
    const int y = topLeft.y() + qMin(rect.height(), visible / 2) / 2;
    m_clientArea->ensureVisible(topLeft.x(), y, 0, visible / 3);
}
