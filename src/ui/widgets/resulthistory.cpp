#include "ui/widgets/resulthistory.h"

#include "book/texts.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

QString text(const char *key)
{
    return TextData::text(QStringLiteral(":/data/records.txt"), QString::fromLatin1(key));
}

// Delete removes the chosen row, as the button beside the list does.
class RowList : public QListWidget {
public:
    using QListWidget::QListWidget;
    std::function<void()> onDelete;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier && onDelete) {
            onDelete();
            return;
        }
        QListWidget::keyPressEvent(event);
    }
};

} // namespace

ResultHistory::ResultHistory(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("ResultHistory"));
    setFrameShape(QFrame::StyledPanel);
    m_title = new QLabel(this);
    m_title->setTextFormat(Qt::PlainText);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    auto *list = new RowList(this);
    list->onDelete = [this] { removeCurrent(); };
    m_list = list;
    m_list->setObjectName(QStringLiteral("ResultHistoryList"));
    m_list->setAccessibleName(text("history.title"));
    m_list->setFocusPolicy(Qt::StrongFocus);
    m_list->setUniformItemSizes(true);
    m_remove = new QPushButton(text("history.remove"), this);
    m_remove->setObjectName(QStringLiteral("RemoveResult"));
    m_removeAll = new QPushButton(text("history.removeall"), this);
    m_removeAll->setObjectName(QStringLiteral("RemoveAllResults"));
    m_title->setBuddy(m_list);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    grid->addWidget(m_title, 0, 0);
    grid->addWidget(m_list, 1, 0, 2, 1);
    grid->addWidget(m_remove, 1, 1);
    grid->addWidget(m_removeAll, 2, 1);
    grid->setColumnStretch(0, 1);

    connect(m_remove, &QPushButton::clicked, this, &ResultHistory::removeCurrent);
    connect(m_removeAll, &QPushButton::clicked, this, &ResultHistory::removeAllRequested);
    hide();
}

void ResultHistory::setRows(const QVector<Row> &rows)
{
    m_rows = rows;
    m_list->clear();
    for (const Row &row : rows)
        m_list->addItem(row.text);
    if (!rows.isEmpty())
        m_list->setCurrentRow(0);
    m_title->setText(text("history.heading").arg(rows.size()));
    setVisible(!rows.isEmpty());
}

int ResultHistory::rowCount() const
{
    return int(m_rows.size());
}

QString ResultHistory::rowText(int row) const
{
    return m_rows.value(row).text;
}

void ResultHistory::removeCurrent()
{
    const int row = m_list->currentRow();
    if (row >= 0 && row < m_rows.size())
        emit removeRequested(m_rows[row].uid);
}
