#include "ui/pagebuilder.h"

#include "book/linktable.h"
#include "book/texts.h"
#include "book/layout/textmeasure.h"
#include "ui/deferredbuild.h"
#include "ui/widgets/editabletextbox.h"
#include "ui/widgets/linklabel.h"
#include "ui/platform/pictures.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QtMath>

#include <memory>
#include <optional>

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
    // A box the reader writes in says what it is for.
    if (b.editable)
        box->setAccessibleName(TextData::optional(QStringLiteral(":/data/fields.txt"),
                                                  QStringLiteral("name.%1.%2").arg(page->objectName(), b.name)));
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

// A hidden widget gets its resize events only when it is first shown, and a text box lays its text
// out afresh when its viewport's width changes (a scroll area hears of its viewport's size through
// the viewport's own resize event). Sending both events now gives the document its width once, so
// that the paragraphs measured while a page is built are the ones it paints.
void settle(QPlainTextEdit *box)
{
    if (box->isVisible())
        return;   // a shown box has its events as it is resized
    static const char *const kLaidOutWidth = "pathoraLaidOutWidth";
    box->ensurePolished();
    if (box->testAttribute(Qt::WA_PendingResizeEvent)) {
        QResizeEvent event(box->size(), QSize());
        QCoreApplication::sendEvent(box, &event);   // places the viewport and scroll bars
        box->setAttribute(Qt::WA_PendingResizeEvent, false);
    }
    QWidget *viewport = box->viewport();
    if (viewport->testAttribute(Qt::WA_PendingResizeEvent)) {
        const QVariant laidOut = box->property(kLaidOutWidth);
        QResizeEvent event(viewport->size(), QSize(laidOut.isValid() ? laidOut.toInt() : -1, -1));
        QCoreApplication::sendEvent(viewport, &event);
        viewport->setAttribute(Qt::WA_PendingResizeEvent, false);
        box->setProperty(kLaidOutWidth, viewport->width());
    }
}

TextMeasure measure(QPlainTextEdit *box, qreal limit = qreal(INT_MAX))
{
    settle(box);
    return TextMeasure(*box->document(), limit);
}

int heightFor(const QPlainTextEdit *box, const TextMeasure &measured)
{
    return qCeil(measured.height()) + 2 * box->frameWidth() + 2;
}

// Until its text is measured whole, a box does not lay out the paragraphs at the end of its text,
// as it otherwise does when first shown to size its own scroll range.
bool fit(QPlainTextEdit *box, qreal limit = qreal(INT_MAX))
{
    const TextMeasure measured = measure(box, limit);
    box->resize(box->width(), heightFor(box, measured));
    settle(box);
    box->setCenterOnScroll(!measured.complete());
    return measured.complete();
}

} // namespace

int PageBuilder::fittedHeight(QPlainTextEdit *box)
{
    return heightFor(box, measure(box));
}

QVector<int> PageBuilder::lineTops(QPlainTextEdit *box, const QVector<int> &lines, int limit)
{
    const TextMeasure measured = measure(box, limit);
    QVector<int> tops;
    tops.reserve(lines.size());
    for (int line : lines) {
        if (line >= measured.lineCount() && !measured.complete())
            break;
        tops << box->y() + box->frameWidth() + qRound(measured.lineTop(line));
    }
    return tops;
}

void PageBuilder::fitTextInSteps(QPlainTextEdit *box, DeferredBuild &rest, const std::function<void()> &then)
{
    constexpr int kStep = 600;
    if (!fit(box, box->height() + kStep)) {
        rest.next([box, &rest, then] { fitTextInSteps(box, rest, then); });
        return;
    }
    if (then)
        then();
}

bool PageBuilder::measuredWhole(const QPlainTextEdit *box)
{
    return !box->centerOnScroll();
}

namespace {

QWidget *makeBlock(QWidget *page, const TContentBlock &block)
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
        w->setFont(PageBuilder::fontOf(block.font));
    if (!block.name.isEmpty())
        w->setObjectName(block.name);
    QRect place = block.place;
    if (block.flow == Flow::FitText || block.flow == Flow::RunOn)
        place.setWidth(qMin(place.width(), w->sizeHint().width()));
    w->setGeometry(place);
    return w;
}

bool fitsItsText(const TContentBlock &block)
{
    return block.kind == BlockKind::TextBox && block.place.height() <= 0;
}

// The blocks of one page as they are built, in order, first view and rest alike.
struct Assembly {
    QWidget *page = nullptr;
    DeferredBuild *rest = nullptr;
    TPageContent content;
    QVector<QWidget *> widgets;
    QPlainTextEdit *measuredInPart = nullptr;   // a box measured only down to the first view's end

    // The rest of a box measured in part, a part at a time: the blocks after it wait.
    void measureRestInSteps()
    {
        if (measuredInPart)
            PageBuilder::fitTextInSteps(measuredInPart, *rest);
        measuredInPart = nullptr;
    }

    void finishMeasuring()
    {
        if (measuredInPart)
            fit(measuredInPart);
        measuredInPart = nullptr;
    }

    // Where block i's top comes, if that is known before it is built.
    std::optional<int> topOf(int i) const
    {
        const TContentBlock &block = content.blocks[i];
        if (widgets.isEmpty() || block.flow == Flow::Placed || block.flow == Flow::FitText)
            return block.place.top();
        const QWidget *before = widgets.last();
        if (block.flow == Flow::RunOn)
            return before->y();
        if (before == measuredInPart)
            return std::nullopt;
        return before->geometry().bottom() + 1 + block.place.top();
    }

    // A block built after others have joined the page (a questionnaire's first view) goes back
    // to its place among the page's widgets, right after the block before it: the order decides
    // what is drawn above what, and the order in which a screen reader meets them.
    void keepPageOrder(QWidget *w) const
    {
        const QObjectList &children = page->children();
        qsizetype after = widgets.isEmpty() ? -1 : children.indexOf(widgets.last());
        for (qsizetype i = after + 1; i < children.size(); ++i) {
            auto *next = qobject_cast<QWidget *>(children.at(i));
            if (!next)
                continue;
            if (next != w)
                w->stackUnder(next);
            return;
        }
    }

    // Builds block i after the ones before it; a box that fits its text is measured down to
    // `fold` (page coordinates) where it starts above it.
    void add(int i, int fold)
    {
        const TContentBlock &block = content.blocks[i];
        // A block below a box takes its top from the box's whole height.
        if (block.flow == Flow::Below)
            finishMeasuring();
        QWidget *w = makeBlock(page, block);
        if (block.flow == Flow::RunOn && !widgets.isEmpty()) {
            const QRect before = widgets.last()->geometry();
            w->move(before.right() + 1, before.top());
        } else if (block.flow == Flow::Below && !widgets.isEmpty()) {
            w->move(w->x(), widgets.last()->geometry().bottom() + 1 + block.place.top());
        }
        keepPageOrder(w);
        if (fitsItsText(block)) {
            auto *box = static_cast<QPlainTextEdit *>(w);
            if (w->y() < fold && !fit(box, fold - w->y()))
                measuredInPart = box;
            else if (w->y() >= fold)
                fit(box);
        }
        widgets.append(w);
    }
};

} // namespace

QWidget *PageBuilder::buildBlock(QWidget *page, const TContentBlock &block, int fitLimit)
{
    QWidget *w = makeBlock(page, block);
    if (fitsItsText(block))
        fit(static_cast<QPlainTextEdit *>(w), fitLimit);
    return w;
}

void PageBuilder::build(QWidget *page, const TPageContent &content, DeferredBuild &rest, int fold)
{
    auto assembly = std::make_shared<Assembly>();
    assembly->page = page;
    assembly->rest = &rest;
    assembly->content = content;
    const int count = int(content.blocks.size());
    // Blocks keep their page order: every block up to the last one known to start above the fold
    // is built now, wherever it lies.
    int lastInView = -1;
    for (int i = 0; i < count; ++i) {
        const TContentBlock &block = content.blocks[i];
        if ((block.flow == Flow::Placed || block.flow == Flow::FitText) && block.place.top() < fold)
            lastInView = i;
    }
    for (int i = 0; i < count; ++i) {
        const std::optional<int> top = assembly->topOf(i);
        if (i > lastInView && (!top || *top >= fold)) {
            rest.later([assembly] { assembly->measureRestInSteps(); });
            for (int j = i; j < count; ++j)
                rest.later([assembly, j] { assembly->add(j, INT_MAX); });
            return;
        }
        assembly->add(i, fold);
    }
    if (assembly->measuredInPart)
        rest.later([assembly] { assembly->measureRestInSteps(); });
}
