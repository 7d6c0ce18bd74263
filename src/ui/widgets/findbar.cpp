#include "ui/widgets/findbar.h"

#include "book/texts.h"

#include <QAbstractItemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString findText(const char *key)
{
    return TextData::text(QStringLiteral(":/data/find.txt"), QString::fromLatin1(key));
}

// The mark on a match, in the list as on the page.
const QColor kMarkColor(0xff, 0xd5, 0x4f);
constexpr int kMostRows = 5;

enum Role { HitRole = Qt::UserRole + 1, PageRowRole, TitleRole, CountRole, ExcerptRole, MarkStartRole, MarkLengthRole };

} // namespace

// Pages that hold matches, in reading order, each unfolding to its matches. The hits stay in the
// bar; rows are made as the view asks for them, so that a word found a thousand times costs nothing.
class FindResultsModel : public QAbstractItemModel {
public:
    using QAbstractItemModel::QAbstractItemModel;

    void setHits(const QVector<FindHit> &hits)
    {
        beginResetModel();
        m_hits = &hits;
        m_groups.clear();
        const BookIndex &book = BookIndex::book();
        for (int i = 0; i < hits.size(); ++i) {
            const PageId page = book.place(hits[i].place).page;
            if (m_groups.isEmpty() || m_groups.last().page != page)
                m_groups.append({page, i, 0});
            ++m_groups.last().count;
        }
        endResetModel();
    }

    int pageCount() const { return static_cast<int>(m_groups.size()); }

    int hitOf(const QModelIndex &index) const
    {
        if (!index.isValid())
            return -1;
        if (index.internalId() == 0)
            return m_groups.at(index.row()).first;
        return m_groups.at(static_cast<int>(index.internalId()) - 1).first + index.row();
    }

    QModelIndex indexOfHit(int hit) const
    {
        const auto after = std::upper_bound(m_groups.begin(), m_groups.end(), hit,
                                            [](int h, const Group &g) { return h < g.first; });
        if (after == m_groups.begin())
            return {};
        const int group = static_cast<int>(after - m_groups.begin()) - 1;
        return createIndex(hit - m_groups[group].first, 0, quintptr(group + 1));
    }

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override
    {
        if (column != 0 || row < 0 || row >= rowCount(parent))
            return {};
        return createIndex(row, 0, parent.isValid() ? quintptr(parent.row() + 1) : quintptr(0));
    }

    QModelIndex parent(const QModelIndex &child) const override
    {
        if (!child.isValid() || child.internalId() == 0)
            return {};
        return createIndex(static_cast<int>(child.internalId()) - 1, 0, quintptr(0));
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        if (!parent.isValid())
            return pageCount();
        if (parent.internalId() == 0)
            return m_groups.at(parent.row()).count;
        return 0;
    }

    int columnCount(const QModelIndex & = {}) const override { return 1; }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || !m_hits)
            return {};
        const bool pageRow = index.internalId() == 0;
        const BookIndex &book = BookIndex::book();
        const FindHit &hit = m_hits->at(hitOf(index));
        switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole: {
            QString line = excerptText(hit);
            if (pageRow)
                line = title(index.row()) + QLatin1String("  ") + countText(index.row()) + QLatin1String("  ") + line;
            return line;
        }
        case HitRole:
            return hitOf(index);
        case PageRowRole:
            return pageRow;
        case TitleRole:
            return pageRow ? title(index.row()) : QString();
        case CountRole:
            return pageRow ? countText(index.row()) : QString();
        case ExcerptRole:
            return excerptText(hit);
        case MarkStartRole:
            return book.excerpt(hit).markStart;
        case MarkLengthRole:
            return book.excerpt(hit).markLength;
        default:
            return {};
        }
    }

private:
    struct Group {
        PageId page;
        int first;
        int count;
    };

    QString title(int row) const { return BookIndex::pageTitle(m_groups.at(row).page); }
    QString countText(int row) const { return findText("page.count").arg(m_groups.at(row).count); }

    static QString excerptText(const FindHit &hit)
    {
        const BookIndex &book = BookIndex::book();
        QString text = book.excerpt(hit).text;
        if (book.place(hit.place).source == FindSource::Verdict)
            text += findText("verdict.note");
        return text;
    }

    const QVector<FindHit> *m_hits = nullptr;
    QVector<Group> m_groups;
};

namespace {

// Draws a row as heading (bold), count (muted) and excerpt with the match marked.
class ResultDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        opt.text.clear();
        QStyle *style = opt.widget ? opt.widget->style() : nullptr;
        if (style)
            style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
        QRect r = style ? style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget) : opt.rect;
        r.adjust(2, 0, -2, 0);

        painter->save();
        painter->setClipRect(r);
        const bool selected = opt.state & QStyle::State_Selected;
        const QColor ink = opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        int x = r.left();
        const auto draw = [&](const QString &text, const QFont &font, const QColor &color, const QColor &ground = {}) {
            if (text.isEmpty())
                return;
            const QFontMetrics fm(font);
            const int width = fm.horizontalAdvance(text);
            if (ground.isValid())
                painter->fillRect(QRect(x, r.top() + 2, width, r.height() - 4), ground);
            painter->setFont(font);
            painter->setPen(color);
            painter->drawText(QRect(x, r.top(), width + 1, r.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
            x += width;
        };
        QFont plain = opt.font;
        QFont bold = plain;
        bold.setBold(true);
        if (index.data(PageRowRole).toBool()) {
            draw(index.data(TitleRole).toString(), bold, ink);
            QColor muted = ink;
            muted.setAlphaF(0.7f);
            draw(QLatin1String("  ") + index.data(CountRole).toString() + QLatin1String("  "), plain, muted);
        }
        const QString excerpt = index.data(ExcerptRole).toString();
        const int start = index.data(MarkStartRole).toInt();
        const int length = index.data(MarkLengthRole).toInt();
        draw(excerpt.left(start), plain, ink);
        draw(excerpt.mid(start, length), bold, Qt::black, kMarkColor);
        draw(excerpt.mid(start + length), plain, ink);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(qMax(size.height(), option.fontMetrics.height() + 6));
        return size;
    }
};

} // namespace

FindBar::FindBar(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("FindBar"));
    setAccessibleName(findText("bar.name"));
    setFrameShape(QFrame::NoFrame);

    auto *label = new QLabel(findText("bar.label"), this);
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("FindField"));
    m_field->setAccessibleName(findText("bar.name"));
    m_field->setPlaceholderText(findText("bar.hint"));
    m_field->setClearButtonEnabled(true);
    m_field->setMinimumWidth(260);
    label->setBuddy(m_field);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("FindStatus"));
    m_status->setMinimumWidth(220);
    const auto button = [this](const char *caption, const char *tip, const char *name) {
        auto *b = new QPushButton(findText(caption), this);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(findText(tip));
        b->setAutoDefault(false);
        return b;
    };
    m_previous = button("bar.previous", "tip.previous", "FindPrevious");
    m_next = button("bar.next", "tip.next", "FindNext");
    m_close = button("bar.close", "tip.close", "FindClose");

    m_model = new FindResultsModel(this);
    m_results = new QTreeView(this);
    m_results->setObjectName(QStringLiteral("FindResults"));
    m_results->setAccessibleName(findText("bar.results"));
    m_results->setModel(m_model);
    m_results->setItemDelegate(new ResultDelegate(m_results));
    m_results->setHeaderHidden(true);
    m_results->setUniformRowHeights(true);
    m_results->setRootIsDecorated(true);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->setSelectionMode(QAbstractItemView::SingleSelection);
    m_results->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_results->hide();
    connect(m_results, &QTreeView::expanded, this, &FindBar::fitList);
    connect(m_results, &QTreeView::collapsed, this, &FindBar::fitList);

    auto *row = new QHBoxLayout;
    row->setSpacing(8);
    row->addWidget(label);
    row->addWidget(m_field, 1);
    row->addWidget(m_status);
    row->addWidget(m_previous);
    row->addWidget(m_next);
    row->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(6);
    layout->addLayout(row);
    layout->addWidget(m_results);

    setTabOrder(m_field, m_results);
    setTabOrder(m_results, m_previous);
    setTabOrder(m_previous, m_next);
    setTabOrder(m_next, m_close);

    connect(m_field, &QLineEdit::textEdited, this, &FindBar::search);
    connect(m_field, &QLineEdit::returnPressed, this, [this] { step(+1); });
    connect(m_previous, &QPushButton::clicked, this, [this] { step(-1); });
    connect(m_next, &QPushButton::clicked, this, [this] { step(+1); });
    connect(m_close, &QPushButton::clicked, this, &FindBar::closeRequested);
    connect(m_results, &QTreeView::clicked, this, &FindBar::chooseIndex);
    m_field->installEventFilter(this);
    m_results->installEventFilter(this);
}

void FindBar::open()
{
    show();
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
}

void FindBar::open(const QString &text)
{
    m_field->setText(text);
    search();
    open();
}

void FindBar::search()
{
    const QString query = m_field->text();
    if (m_searched && query == m_query)
        return;
    m_query = query;
    m_searched = true;
    m_hits = BookIndex::book().find(query);
    m_current = -1;
    m_model->setHits(m_hits);
    m_results->setVisible(!m_hits.isEmpty());
    if (m_model->pageCount() == 1)
        m_results->expandAll();
    fitList();
    showStatus();
    emit searched();
}

// The list is as tall as its open rows, up to kMostRows; it scrolls beyond that.
void FindBar::fitList()
{
    int rows = 0;
    for (QModelIndex i = m_model->index(0, 0); i.isValid() && rows < kMostRows; i = m_results->indexBelow(i))
        ++rows;
    m_results->setFixedHeight(qMax(rows, 2) * (fontMetrics().height() + 6) + 2 * m_results->frameWidth() + 2);
}

void FindBar::showStatus()
{
    if (m_hits.isEmpty()) {
        m_status->setText(findText("status.none"));
        return;
    }
    const int pages = m_model->pageCount();
    m_status->setText(m_current < 0 ? findText("status.count").arg(m_hits.size()).arg(pages)
                                    : findText("status.at").arg(m_current + 1).arg(m_hits.size()).arg(pages));
}

void FindBar::step(int direction)
{
    search();
    if (m_hits.isEmpty())
        return;
    const int count = static_cast<int>(m_hits.size());
    const int next = m_current < 0 ? (direction > 0 ? 0 : count - 1) : (m_current + direction + count) % count;
    choose(next);
}

void FindBar::choose(int hit)
{
    if (hit < 0 || hit >= m_hits.size())
        return;
    m_current = hit;
    const QModelIndex index = m_model->indexOfHit(hit);
    if (!m_results->currentIndex().isValid() || m_model->hitOf(m_results->currentIndex()) != hit) {
        m_results->expand(index.parent());
        m_results->setCurrentIndex(index);
    }
    m_results->scrollTo(m_results->currentIndex());
    showStatus();
    emit chosen(m_hits.at(hit));
}

void FindBar::chooseIndex(const QModelIndex &index)
{
    choose(m_model->hitOf(index));
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (watched == m_field && key->key() == Qt::Key_Down && !m_hits.isEmpty()) {
        // Down leaves the field for the list of matches.
        if (!m_results->currentIndex().isValid())
            m_results->setCurrentIndex(m_model->index(0, 0));
        m_results->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (watched == m_results && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        chooseIndex(m_results->currentIndex());
        return true;
    }
    return QFrame::eventFilter(watched, event);
}
