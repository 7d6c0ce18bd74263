#include "ui/pagebuilder.h"

#include "book/linktable.h"
#include "book/texts.h"
#include "book/layout/textmeasure.h"
#include "ui/widgets/editabletextbox.h"
#include "ui/widgets/linklabel.h"
#include "ui/platform/pictures.h"

#include <QLabel>
#include <QLineEdit>
#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtMath>

namespace {

void applyColor(QWidget *w, const QColor &color)
{
    if (!color.isValid())
        return;
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    w->setPalette(palette);
}

// What a screen reader says for a picture: a short description from the window's texts.
QString pictureName(const QString &key)
{
    return TextData::optional(QStringLiteral(":/data/window.txt"), QStringLiteral("picture.") + key);
}

QString pictureName(const TContentBlock &b)
{
    return pictureName(b.text.section(QLatin1Char('/'), -1));
}

QWidget *makePicture(QWidget *page, const TContentBlock &b)
{
    auto *label = new QLabel(page);
    label->setAccessibleName(pictureName(b));
    // Drawn at natural size from the top-left corner; the label's own size clips the rest.
    label->setPixmap(Pictures::get(b.text));
    label->setScaledContents(false);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setContentsMargins(0, 0, 0, 0);
    return label;
}

QWidget *makeLabel(QWidget *page, const TContentBlock &b)
{
    auto *label = new QLabel(b.text, page);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(b.align);
    label->setWordWrap(b.text.contains(QLatin1Char('\n')) || b.place.height() > 2 * b.font.pixelSize + 14);
    applyColor(label, b.font.color);
    if (b.kind == BlockKind::Rule)
        label->setProperty("decorative", true);
    return label;
}

QWidget *makeTextBox(QWidget *page, const TContentBlock &b)
{
    QPlainTextEdit *box = b.editable ? new EditableTextBox(page) : new QPlainTextEdit(page);
    box->setProperty("pageText", true);
    box->setFrameShape(QFrame::NoFrame);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(b.scrollBar ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    box->setReadOnly(!b.editable);
    box->setBackgroundVisible(false);
    box->viewport()->setAutoFillBackground(false);
    box->document()->setDocumentMargin(2);
    if (b.align & Qt::AlignHCenter) {
        QTextOption option = box->document()->defaultTextOption();
        option.setAlignment(Qt::AlignHCenter);
        box->document()->setDefaultTextOption(option);
    }
    box->setPlainText(b.text);
    applyColor(box, b.font.color);
    return box;
}

// The framed ground of a related-links block; its line is drawn in the window-text colour.
void dressAsPanel(QFrame *frame)
{
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Plain);
    frame->setLineWidth(1);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, QColor(0xf5, 0xec, 0xdb));
    palette.setColor(QPalette::WindowText, QColor(0xd4, 0xb8, 0x90));
    frame->setPalette(palette);
}

QWidget *makePanel(QWidget *page, const TContentBlock &)
{
    auto *panel = new QFrame(page);
    dressAsPanel(panel);
    return panel;
}

QWidget *makeField(QWidget *page, const TContentBlock &b)
{
    auto *field = new QLineEdit(page);
    field->setAccessibleName(b.text);
    field->setPlaceholderText(b.hint);
    return field;
}

QWidget *makeLink(QWidget *page, const TContentBlock &b)
{
    const TLinkEntry &entry = TLinkTable::row(b.link);
    auto *link = new LinkLabel(b.link, page);
    if (entry.isPanel()) {
        dressAsPanel(link);
        link->setAccessibleName(pictureName(QStringLiteral("panel")));
    } else if (entry.isPicture()) {
        link->setAccessibleName(pictureName(b));
        // A picture that is missing leaves an empty block that still takes clicks.
        link->setPixmap(Pictures::get(b.text));
        link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    } else {
        link->setText(b.text);
        link->setAlignment(b.align);
    }
    link->setRestingLook(PageBuilder::fontOf(b.font), b.font.color, entry.hover);
    return link;
}

} // namespace

QFont PageBuilder::fontOf(const FontSpec &look)
{
    QFont font(QString::fromUtf8(look.face));
    font.setPixelSize(look.pixelSize);
    font.setBold(look.bold);
    font.setUnderline(look.underline);
    return font;
}


namespace {

TextMeasure measure(const QPlainTextEdit *box)
{
    const QTextDocument *doc = box->document();
    return TextMeasure(box->toPlainText(), box->font(), box->width() - 2 * box->frameWidth(), doc->documentMargin(),
                       doc->defaultTextOption().alignment());
}

} // namespace

int PageBuilder::fittedHeight(const QPlainTextEdit *box)
{
    return qCeil(measure(box).height()) + 2 * box->frameWidth() + 2;
}

QVector<int> PageBuilder::lineTops(const QPlainTextEdit *box, const QVector<int> &lines)
{
    const TextMeasure measured = measure(box);
    QVector<int> tops;
    tops.reserve(lines.size());
    for (int line : lines)
        tops << box->y() + box->frameWidth() + qRound(measured.lineTop(line));
    return tops;
}

QWidget *PageBuilder::buildBlock(QWidget *page, const TContentBlock &block)
{
    QWidget *w = nullptr;
    switch (block.kind) {
    case BlockKind::Picture:
        w = makePicture(page, block);
        break;
    case BlockKind::Label:
    case BlockKind::Rule:
        w = makeLabel(page, block);
        break;
    case BlockKind::TextBox:
        w = makeTextBox(page, block);
        break;
    case BlockKind::Link:
        w = makeLink(page, block);
        break;
    case BlockKind::Panel:
        w = makePanel(page, block);
        break;
    case BlockKind::Field:
        w = makeField(page, block);
        break;
    }
    if (block.kind != BlockKind::Picture && block.kind != BlockKind::Link && block.kind != BlockKind::Panel)
        w->setFont(fontOf(block.font));
    if (!block.name.isEmpty())
        w->setObjectName(block.name);
    QRect place = block.place;
    if (block.flow == Flow::FitText || block.flow == Flow::RunOn)
        place.setWidth(qMin(place.width(), w->sizeHint().width()));
    w->setGeometry(place);
    if (block.kind == BlockKind::TextBox && place.height() <= 0)
        w->resize(place.width(), fittedHeight(static_cast<QPlainTextEdit *>(w)));
    return w;
}

QVector<QWidget *> PageBuilder::build(QWidget *page, const TPageContent &content)
{
    QVector<QWidget *> widgets;
    widgets.reserve(content.blocks.size());
    for (const TContentBlock &block : content.blocks) {
        QWidget *w = buildBlock(page, block);
        if (block.flow == Flow::RunOn && !widgets.isEmpty()) {
            const QRect before = widgets.last()->geometry();
            w->move(before.right() + 1, before.top());
        } else if (block.flow == Flow::Below && !widgets.isEmpty()) {
            w->move(w->x(), widgets.last()->geometry().bottom() + 1 + block.place.top());
        }
        widgets.append(w);
    }
    return widgets;
}
