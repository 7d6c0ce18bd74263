#include "ui/keyboard.h"

#include "book/navigator.h"
#include "book/texts.h"
#include "ui/mainwindow.h"
#include "ui/platform/messagebox.h"
#include "ui/widgets/choicegroup.h"
#include "ui/widgets/focusmark.h"
#include "ui/widgets/linklabel.h"
#include "ui/widgets/resultchart.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QRadioButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace {

bool isEditable(const QWidget *w)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(w))
        return !edit->isReadOnly();
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(w))
        return !box->isReadOnly();
    if (const auto *combo = qobject_cast<const QComboBox *>(w))
        return combo->isEditable();
    return false;
}

// The text box a widget belongs to (a text box's viewport takes its events).
QPlainTextEdit *textBoxOf(QWidget *w)
{
    for (; w; w = w->parentWidget())
        if (auto *box = qobject_cast<QPlainTextEdit *>(w))
            return box;
    return nullptr;
}

// A question is one stop; its options are reached with the arrows.
bool isOptionOfQuestion(const QWidget *w)
{
    return qobject_cast<const QAbstractButton *>(w) && qobject_cast<const ChoiceGroup *>(w->parentWidget());
}

bool takesTab(const QWidget *w)
{
    if (qobject_cast<const ChoiceGroup *>(w))
        return true;
    if (isOptionOfQuestion(w))
        return false;
    if (qobject_cast<const LinkLabel *>(w) || qobject_cast<const QAbstractButton *>(w)
        || qobject_cast<const QComboBox *>(w) || qobject_cast<const ResultChart *>(w)
        || qobject_cast<const QAbstractItemView *>(w))
        return true;
    if (qobject_cast<const QLineEdit *>(w))
        return !w->parentWidget() || !qobject_cast<const QComboBox *>(w->parentWidget());
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(w))
        return !box->isReadOnly() || box->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
    return false;
}

} // namespace

KeyboardAccess::KeyboardAccess(TForm2 &window, QScrollArea &area, TNavigator &navigator)
    : QObject(&window), m_window(window), m_area(area), m_navigator(navigator), m_ring(new FocusRing(area.widget()))
{
    qApp->installEventFilter(this);
}

void KeyboardAccess::pageBuilt(QWidget *page)
{
    // Read-only text boxes take a click (to select and copy) but not a Tab; those with their own
    // scroll bar take both, so that their text can be scrolled from the keyboard.
    QList<QWidget *> chain;
    for (QWidget *w : page->findChildren<QWidget *>()) {
        if (auto *box = qobject_cast<QPlainTextEdit *>(w))
            box->setFocusPolicy(takesTab(box) ? Qt::StrongFocus : Qt::ClickFocus);
        if (auto *link = qobject_cast<LinkLabel *>(w))
            link->setFocusPolicy(Qt::StrongFocus);
        if (takesTab(w) && (w->focusPolicy() & Qt::TabFocus || qobject_cast<ChoiceGroup *>(w)))
            chain << w;
    }
    // Reading order: top to bottom, then left to right, in page coordinates.
    const auto at = [page](QWidget *w) { return w->mapTo(page, QPoint(0, 0)); };
    std::stable_sort(chain.begin(), chain.end(), [&](QWidget *a, QWidget *b) {
        const QPoint pa = at(a), pb = at(b);
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    page->setFocusPolicy(Qt::StrongFocus);
    QList<QPointer<QWidget>> &stored = m_chains[page];
    stored = {page};
    for (QWidget *w : chain)
        stored << w;
    // A reader who lands on a page hears where they are.
    const PageId id = TPageTable::byName(page->objectName()) ? TPageTable::byName(page->objectName())->id : kNoPage;
    const QString heading = id ? QString::fromUtf8(TPageTable::entry(id).heading).trimmed() : QString();
    page->setAccessibleName(heading.isEmpty() ? TextData::text(QStringLiteral(":/data/window.txt"),
                                                               id == kStartPage ? QStringLiteral("page.cover")
                                                                                : QStringLiteral("picture.advert.jpg"))
                                              : heading);
    QWidget *previous = page;
    for (QWidget *w : chain) {
        QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void KeyboardAccess::pageShown(QWidget *page)
{
    if (FocusRing *r = ring())
        r->follow(nullptr);
    page->setFocus(Qt::OtherFocusReason);
}

bool KeyboardAccess::marksFocus(const QWidget *w) const
{
    return m_keyboard && w && !m_chains.contains(const_cast<QWidget *>(w)) && m_area.widget()
           && m_area.widget()->isAncestorOf(w) && w != m_ring;
}

void KeyboardAccess::showKeys()
{
    MessageBox::notice(&m_window, TextData::text(QStringLiteral(":/data/window.txt"), QStringLiteral("keys")));
}

bool KeyboardAccess::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType() || QApplication::activeModalWidget() || !ring())
        return false;
    auto *target = static_cast<QWidget *>(watched);
    if (target->window() != &m_window)
        return false;
    // The focus ring follows the keyboard; a click puts it away.
    if (event->type() == QEvent::MouseButtonPress) {
        m_keyboard = false;
        ring()->follow(nullptr);
        return false;
    }
    if (event->type() == QEvent::FocusIn) {
        // A control reached by the keyboard is brought into view with some room around it.
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && m_area.widget()
            && m_area.widget()->isAncestorOf(target))
            m_area.ensureWidgetVisible(target, 20, 60);
        if (marksFocus(target))
            ring()->follow(target);
        return false;
    }
    if (event->type() == QEvent::FocusOut) {
        if (target == ring()->target())
            ring()->follow(nullptr);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    // A key an editable field leaves alone (Up in a line edit, say) goes on to its parents; the
    // client area would scroll on it, and the window does not scroll while such a field has the
    // focus.
    if (target == &m_area && isEditable(QApplication::focusWidget()))
        return true;
    // Each key press reaches the filter once for its receiver, the focus widget.
    if (target != QApplication::focusWidget() && QApplication::focusWidget())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    m_keyboard = true;
    if (key->key() == Qt::Key_Tab && !(key->modifiers() & ~(Qt::KeypadModifier)))
        return tab(target, true);
    if (key->key() == Qt::Key_Backtab || (key->key() == Qt::Key_Tab && key->modifiers() == Qt::ShiftModifier))
        return tab(target, false);
    return windowKey(target, key->key(), key->modifiers());
}

// Tab and Shift+Tab go round the current page's chain and never leave the page.
bool KeyboardAccess::tab(QWidget *focus, bool forward)
{
    for (auto it = m_chains.cbegin(); it != m_chains.cend(); ++it) {
        QWidget *page = it.key();
        if (!page->isVisible() || (focus != page && !page->isAncestorOf(focus)))
            continue;
        const QList<QPointer<QWidget>> &chain = it.value();
        int at = 0;
        for (int i = 0; i < chain.size(); ++i)
            if (chain[i] == focus || (chain[i] && chain[i]->isAncestorOf(focus)))
                at = i;
        for (int step = 1; step <= chain.size(); ++step) {
            const int i = int((at + (forward ? step : chain.size() - step)) % chain.size());
            QWidget *w = chain[i];
            if (auto *question = qobject_cast<ChoiceGroup *>(w))
                w = question->entryOption();
            if (w && w->isVisible() && w->isEnabled()) {
                w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return true;
            }
        }
        return true;
    }
    return false;
}

bool KeyboardAccess::windowKey(QWidget *focus, int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
    if (mods == Qt::AltModifier) {
        switch (key) {
        case Qt::Key_Left: m_navigator.GoPrevious(); return true;
        case Qt::Key_Right: m_navigator.GoNext(); return true;
        case Qt::Key_Home: m_navigator.GoHome(); return true;
        case Qt::Key_Up: m_navigator.GoToContents(); return true;
        default: return false;
        }
    }
    if (mods == Qt::ControlModifier && (key == Qt::Key_Q || key == Qt::Key_W)) {
        m_window.CloseMainWindow();
        return true;
    }
    if (mods == Qt::NoModifier && key == Qt::Key_F1) {
        showKeys();
        return true;
    }
    return scroll(focus, key, mods);
}

bool KeyboardAccess::scroll(QWidget *focus, int key, Qt::KeyboardModifiers mods)
{
    if (isEditable(focus))
        return false;
    const bool space = key == Qt::Key_Space && (mods == Qt::NoModifier || mods == Qt::ShiftModifier);
    // Space and the arrows belong to a focused link, button or option.
    const bool control = qobject_cast<LinkLabel *>(focus) || qobject_cast<QAbstractButton *>(focus);
    // A list (the history of results) moves its own row with the arrows and Home / End.
    if (qobject_cast<QAbstractItemView *>(focus) && key != Qt::Key_PageDown && key != Qt::Key_PageUp && !space)
        return false;
    if (control && (space || key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right))
        return false;
    // Space shows the picked letter of a focused column chart.
    if (const auto *chart = qobject_cast<ResultChart *>(focus); chart && space
        && chart->model().kind == Quiz::ChartModel::Kind::Columns)
        return false;
    if (mods != Qt::NoModifier && !space)
        return false;

    QScrollBar *bar = m_area.verticalScrollBar();
    const int line = 2 * TForm2::kWheelStep;
    const int page = m_area.viewport()->height() - 2 * line;
    int step = 0;
    switch (key) {
    case Qt::Key_PageDown: step = page; break;
    case Qt::Key_PageUp: step = -page; break;
    case Qt::Key_Space: step = mods == Qt::ShiftModifier ? -page : page; break;
    case Qt::Key_Down: step = TForm2::kWheelStep; break;
    case Qt::Key_Up: step = -TForm2::kWheelStep; break;
    case Qt::Key_Home: step = INT_MIN; break;
    case Qt::Key_End: step = INT_MAX; break;
    default: return false;
    }
    // A text box with its own scroll bar scrolls itself first, as with the wheel.
    if (QPlainTextEdit *box = textBoxOf(focus)) {
        QScrollBar *own = box->verticalScrollBar();
        const bool canMove = step < 0 ? own->value() > own->minimum() : own->value() < own->maximum();
        if (own->isVisible() && canMove) {
            if (step == INT_MIN || step == INT_MAX)
                own->setValue(step < 0 ? own->minimum() : own->maximum());
            else
                own->setValue(own->value() + step);
            return true;
        }
    }
    if (step == INT_MIN)
        bar->setValue(bar->minimum());
    else if (step == INT_MAX)
        bar->setValue(bar->maximum());
    else
        bar->setValue(bar->value() + step);
    return true;
}

FocusRing *KeyboardAccess::ring() const
{
    return dynamic_cast<FocusRing *>(m_ring.data());
}
