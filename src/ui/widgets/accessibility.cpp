#include "ui/widgets/accessibility.h"

#include "ui/widgets/linklabel.h"

#include <QAccessibleWidget>
#include <QMessageBox>

namespace {

// A text link also offers its caption as text, as a label does, so that a screen reader can
// read it by characters and words and a client can compare what it shows with its name.
class LinkAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LinkAccessible(LinkLabel *link) : QAccessibleWidget(link, QAccessible::Link) {}

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // ---- QAccessibleTextInterface: the caption, read-only, without selection or caret ----
    QString text(int start, int end) const override { return caption().mid(start, end - start); }
    int characterCount() const override { return int(caption().size()); }
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const auto *link = static_cast<const LinkLabel *>(widget());
            return link->accessibleName().isEmpty() ? link->text() : link->accessibleName();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        s.focusable = true;
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QString caption() const { return static_cast<const LinkLabel *>(widget())->text(); }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<LinkLabel *>(widget())->activate();
    }
};

class SeparatorAccessible : public QAccessibleWidget {
public:
    explicit SeparatorAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::Separator) {}
    QString text(QAccessible::Text) const override { return {}; }
};

// A message box is an alert: its title is its name and its text its description, so that a
// screen reader reads both when the box opens, however it was opened.
class MessageBoxAccessible : public QAccessibleWidget {
public:
    explicit MessageBoxAccessible(QMessageBox *box) : QAccessibleWidget(box, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text t) const override
    {
        const auto *box = static_cast<const QMessageBox *>(widget());
        if (t == QAccessible::Name)
            return box->windowTitle();
        if (t == QAccessible::Description)
            return box->informativeText().isEmpty() ? box->text() : box->text() + QLatin1Char('\n') + box->informativeText();
        return QAccessibleWidget::text(t);
    }
};

// A container whose decorative children (the side strips, the focus ring) are left out of the
// tree: they carry nothing a reader could use.
class ContainerAccessible : public QAccessibleWidget {
public:
    explicit ContainerAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::Client) {}

    int childCount() const override { return int(kept().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = kept();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child || !child->object() || !child->object()->isWidgetType())
            return -1;
        return int(kept().indexOf(static_cast<QWidget *>(child->object())));
    }

private:
    QList<QWidget *> kept() const
    {
        QList<QWidget *> list;
        for (QObject *o : widget()->children())
            if (o->isWidgetType() && !static_cast<QWidget *>(o)->isWindow() && !o->property("decorative").toBool())
                list << static_cast<QWidget *>(o);
        return list;
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *w = static_cast<QWidget *>(object);
    if (className == QLatin1String("QMessageBox"))
        return new MessageBoxAccessible(static_cast<QMessageBox *>(w));
    if (w->property("hidesDecorative").toBool())
        return new ContainerAccessible(w);
    if (className == QLatin1String("LinkLabel"))
        return new LinkAccessible(static_cast<LinkLabel *>(w));
    // As a plain QFrame a question would reach AT-SPI as a frame, the role of a top-level window;
    // a screen reader announces a group's name when focus enters one of its radio buttons.
    if (className == QLatin1String("ChoiceGroup"))
        return new QAccessibleWidget(w, QAccessible::Grouping);
    if (w->property("decorative").toBool())
        return new SeparatorAccessible(w);
    return nullptr;
}

} // namespace

void Accessibility::install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(&factory);
}
