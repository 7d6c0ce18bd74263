#include "pagebuilder.h"

#include "../platform/pictures.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

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

QWidget *makePicture(QWidget *page, const TContentBlock &b)
{
    auto *label = new QLabel(page);
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
    return label;
}

QWidget *makeTextBox(QWidget *page, const TContentBlock &b)
{
    auto *box = new QPlainTextEdit(page);
    box->setProperty("pageText", true);
    box->setFrameShape(QFrame::NoFrame);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(b.scrollBar ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    box->setReadOnly(!b.editable);
    box->setBackgroundVisible(false);
    box->viewport()->setAutoFillBackground(false);
    box->document()->setDocumentMargin(2);
    box->setPlainText(b.text);
    applyColor(box, b.font.color);
    return box;
}

} // namespace

QFont PageBuilder::fontOf(const TFontSpec &spec)
{
    QFont font(QString::fromUtf8(spec.face));
    font.setPixelSize(spec.pixelSize);
    font.setBold(spec.bold);
    font.setUnderline(spec.underline);
    return font;
}

QWidget *PageBuilder::buildBlock(QWidget *page, const TContentBlock &block)
{
    QWidget *w = nullptr;
    switch (block.kind) {
    case TBlockKind::Picture:
        w = makePicture(page, block);
        break;
    case TBlockKind::Label:
    case TBlockKind::Rule:
        w = makeLabel(page, block);
        break;
    case TBlockKind::TextBox:
        w = makeTextBox(page, block);
        break;
    }
    if (block.kind != TBlockKind::Picture)
        w->setFont(fontOf(block.font));
    if (!block.name.isEmpty())
        w->setObjectName(block.name);
    w->setGeometry(block.place);
    return w;
}

QVector<QWidget *> PageBuilder::build(QWidget *page, const TPageContent &content)
{
    QVector<QWidget *> widgets;
    widgets.reserve(content.blocks.size());
    for (const TContentBlock &block : content.blocks)
        widgets.append(buildBlock(page, block));
    return widgets;
}
