#include "ui/widgets/missingmark.h"

#include "ui/widgets/choicegroup.h"

#include <QVariant>
#include <QWidget>

namespace MissingMark {

namespace {
constexpr const char *kProperty = "missingAnswer";
}

void set(QWidget *widget, bool marked)
{
    if (!widget || isSet(widget) == marked)
        return;
    widget->setProperty(kProperty, marked);
    if (auto *group = qobject_cast<ChoiceGroup *>(widget)) {
        group->update();
        return;
    }
    const QString selector = QString::fromLatin1(widget->metaObject()->className());
    widget->setStyleSheet(marked ? selector + QStringLiteral(" { border: 2px solid #c62828; border-radius: 3px; }")
                                 : QString());
}

bool isSet(const QWidget *widget)
{
    return widget && widget->property(kProperty).toBool();
}

} // namespace MissingMark
