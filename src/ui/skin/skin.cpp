#include "ui/skin/skin.h"

#include "ui/skin/skinarchive.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleFactory>

namespace {

struct State {
    bool applied = false;
    QBrush frame;
    QString styleSheet;
};

State &state()
{
    static State s;
    return s;
}

// "Role = #rrggbb" lines; '#' at the start of a line begins a comment.
bool parsePalette(const QByteArray &text, QPalette &palette)
{
    static const QHash<QString, QPalette::ColorRole> roles{
        {"Window", QPalette::Window},       {"WindowText", QPalette::WindowText}, {"Base", QPalette::Base},
        {"AlternateBase", QPalette::AlternateBase}, {"Text", QPalette::Text}, {"Button", QPalette::Button},
        {"ButtonText", QPalette::ButtonText}, {"Highlight", QPalette::Highlight},
        {"HighlightedText", QPalette::HighlightedText}, {"Mid", QPalette::Mid}, {"Dark", QPalette::Dark},
        {"Light", QPalette::Light},         {"Midlight", QPalette::Midlight}, {"Shadow", QPalette::Shadow},
        {"ToolTipBase", QPalette::ToolTipBase}, {"ToolTipText", QPalette::ToolTipText}};
    int set = 0;
    for (const QByteArray &raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList parts = line.split(QLatin1Char('='));
        const QColor colour(parts.value(1).trimmed());
        if (parts.size() != 2 || !roles.contains(parts[0].trimmed()) || !colour.isValid())
            return false;
        palette.setColor(roles.value(parts[0].trimmed()), colour);
        ++set;
    }
    return set > 0;
}

// Only the frame's few controls take the style sheet: a sheet costs every widget it reaches
// memory and time, and the book has well over a thousand labels, options and fields. Those
// are drawn by the base style in the skin's palette.
bool takesStyleSheet(const QWidget *w)
{
    if (qobject_cast<const QPushButton *>(w) || qobject_cast<const QMenuBar *>(w))
        return true;
    if (!qobject_cast<const QScrollBar *>(w))
        return false;
    // Scroll bars of lists (a drop-down's popup) keep the base look.
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QAbstractItemView *>(p))
            return false;
    return true;
}

// Each widget given the sheet parses and keeps a copy of it. Every text box has two scroll bars
// that most never show, so a scroll bar takes the sheet when it is first shown (before its first
// paint); the sheet keeps the base style's extent, so nothing moves when it does.
class Styler : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Polish || type == QEvent::Show) && watched->isWidgetType()) {
            auto *w = static_cast<QWidget *>(watched);
            const bool scrollBar = qobject_cast<QScrollBar *>(w) != nullptr;
            if ((type == QEvent::Show) == scrollBar && w->styleSheet().isEmpty() && takesStyleSheet(w))
                w->setStyleSheet(state().styleSheet);
        }
        return false;
    }
};

} // namespace

bool Skin::apply(QApplication &app, const QByteArray &archive)
{
    const auto files = SkinArchive::unpack(archive);
    if (!files)
        return false;
    QImage texture = QImage::fromData(files->value(QStringLiteral("frame.png")), "PNG");
    // On a scaled screen the double-size grain, drawn at the same logical size.
    const QImage sharp = QImage::fromData(files->value(QStringLiteral("frame@2x.png")), "PNG");
    if (app.devicePixelRatio() > 1.0 && !sharp.isNull()) {
        texture = sharp;
        texture.setDevicePixelRatio(2.0);
    }
    QPalette palette = app.palette();
    const QByteArray sheet = files->value(QStringLiteral("wood.qss"));
    if (texture.isNull() || sheet.isEmpty() || !parsePalette(files->value(QStringLiteral("wood.palette")), palette))
        return false;

    State &s = state();
    s.frame = QBrush(texture);
    s.styleSheet = QString::fromUtf8(sheet);
    if (!s.applied) {
        app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        app.installEventFilter(new Styler(&app));
    }
    app.setPalette(palette);
    s.applied = true;
    return true;
}

bool Skin::applyBuiltIn(QApplication &app)
{
    QFile file(QStringLiteral(":/skin/wood.skin"));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return apply(app, file.readAll());
}

void Skin::paintAsFrame(QWidget *widget)
{
    if (!state().applied)
        return;
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::Window, state().frame);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void Skin::paintAsPage(QWidget *widget)
{
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::Window, QApplication::palette().window());
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

bool Skin::isApplied()
{
    return state().applied;
}
