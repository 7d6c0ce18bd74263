#include "ui/widgets/choicegroup.h"

#include "ui/widgets/missingmark.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <QRadioButton>

ChoiceGroup::ChoiceGroup(const QString &caption, const QStringList &options, int columns, QWidget *parent)
    : QFrame(parent), m_buttons(new QButtonGroup(this)), m_columns(qMax(1, columns))
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(10, 5, 8, 5);
    column->setSpacing(4);
    if (!caption.isEmpty()) {
        m_caption = new QLabel(caption, this);
        m_caption->setObjectName(QStringLiteral("caption"));
        m_caption->setTextFormat(Qt::PlainText);
        m_caption->setWordWrap(true);
        column->addWidget(m_caption);
    }
    auto *grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(3);
    column->addLayout(grid);
    for (int i = 0; i < options.size(); ++i) {
        auto *button = new QRadioButton(options[i], this);
        m_buttons->addButton(button, i);
        grid->addWidget(button, i / m_columns, i % m_columns);
        m_options.append(button);
        button->installEventFilter(this);
    }
    for (int c = 0; c < m_columns; ++c)
        grid->setColumnStretch(c, 1);
    connect(m_buttons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked && !m_programWrite)
            emit readerChose(id);
    });
}

QString ChoiceGroup::caption() const
{
    return m_caption ? m_caption->text() : QString();
}

int ChoiceGroup::itemIndex() const
{
    return m_buttons->checkedId();
}

void ChoiceGroup::setItemIndex(int index)
{
    m_programWrite = true;
    if (index < 0 || index >= m_options.size()) {
        // An exclusive group refuses to uncheck its last button; lift that for the write.
        m_buttons->setExclusive(false);
        for (QRadioButton *b : std::as_const(m_options))
            b->setChecked(false);
        m_buttons->setExclusive(true);
    } else {
        m_options[index]->setChecked(true);
    }
    m_programWrite = false;
}

QRadioButton *ChoiceGroup::entryOption() const
{
    const int chosen = itemIndex();
    return m_options.value(chosen >= 0 ? chosen : 0);
}

bool ChoiceGroup::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    int step = 0;
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: step = -1; break;
    case Qt::Key_Right:
    case Qt::Key_Down: step = 1; break;
    default: return false;
    }
    const int at = int(m_options.indexOf(static_cast<QRadioButton *>(watched)));
    if (at < 0 || m_options.isEmpty())
        return false;
    const int count = int(m_options.size());
    QRadioButton *next = m_options[(at + step + count) % count];
    // Chosen before it takes the focus, so that a screen reader announces it as checked.
    next->setChecked(true);   // the reader's choice: readerChose follows
    next->setFocus(Qt::OtherFocusReason);
    return true;
}

void ChoiceGroup::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    // Style-sheet-styled buttons do not take their parent's font; hand it on ourselves.
    if (event->type() == QEvent::FontChange)
        for (QRadioButton *b : std::as_const(m_options))
            b->setFont(font());
    if (event->type() == QEvent::FontChange && m_caption)
        m_caption->setFont(font());
}

// A light card with a soft border, in the palette's colours; red and thicker while the answer is
// marked as missing.
void ChoiceGroup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(palette().color(QPalette::Base));
    if (MissingMark::isSet(this)) {
        painter.setPen(QPen(QColor(0xc6, 0x28, 0x28), 2));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
        return;
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}

int ChoiceGroup::heightFor(int width) const
{
    return layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width) : sizeHint().height();
}
