#include "ui/widgets/accessibility.h"

#include "ui/widgets/linklabel.h"

#include <QAccessibleWidget>

namespace {

class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel *link) : QAccessibleWidget(link, QAccessible::Link) {}

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

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *w = static_cast<QWidget *>(object);
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
