#include "ui/questionnairepage.h"

#include "book/quiz/drivingforce.h"
#include "book/quiz/variants.h"
#include "ui/deferredbuild.h"
#include "ui/pagebuilder.h"
#include "ui/widgets/choicegroup.h"
#include "ui/widgets/missingmark.h"
#include "ui/widgets/resultchart.h"
#include "ui/platform/messagebox.h"

#include <QComboBox>
#include <QDateTime>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QMainWindow>
#include <QScrollArea>

using namespace PageGeometry;

namespace {
constexpr int kRowHeight = 26;
constexpr int kQuestionGap = 8;
} // namespace

QuestionnairePage::QuestionnairePage(QWidget *page, std::unique_ptr<IPageTest> test, int top)
    : QObject(page), m_page(page), m_test(std::move(test)), m_questions(dynamic_cast<TQuestionnaire *>(m_test.get())),
      m_y(top)
{
}

void QuestionnairePage::deferBelow(int fold, DeferredBuild &rest)
{
    m_fold = fold;
    m_rest = &rest;
    m_slices = &rest;
}

// Once a step would start below the fold, it and every later step wait on the rest, in order.
// The first of them to run ends the deferring: the rest of the page is built in page order, the
// long steps (many questions, a long text measured) a part at a time.
template <typename Step>
bool QuestionnairePage::deferred(Step step)
{
    if (!m_rest || (!m_deferring && m_y < m_fold))
        return false;
    m_deferring = true;
    m_rest->later([this, step] {
        m_rest = nullptr;
        m_deferring = false;
        step();
    });
    return true;
}

// Part of a step left for later goes first in the rest, so that idle time can stop between parts.
bool QuestionnairePage::sliced(const std::function<void()> &remainder)
{
    if (m_rest || !m_slices)
        return false;
    m_slices->next(remainder);
    return true;
}

void QuestionnairePage::then(const std::function<void()> &step)
{
    if (!deferred(step))
        step();
}

void QuestionnairePage::gap(int pixels)
{
    if (deferred([=] { gap(pixels); }))
        return;
    m_y += pixels;
}

void QuestionnairePage::text(const QString &text, const FontSpec &font, Qt::Alignment align, const QString &name,
                             int left, int width)
{
    if (deferred([=] { this->text(text, font, align, name, left, width); }))
        return;
    const QFontMetrics metrics(PageBuilder::fontOf(font));
    const int height = metrics.boundingRect(QRect(0, 0, width, 100000), int(align) | Qt::TextWordWrap, text).height();
    QWidget *w = PageBuilder::buildBlock(
        m_page, Blocks::label(text, QRect(left, m_y, width, height + 4), font, align | Qt::AlignTop, name));
    static_cast<QLabel *>(w)->setWordWrap(true);
    m_y += height + 10;
}

QString QuestionnairePage::questionCaption(int number) const
{
    const TChoiceQuestion &q = m_questions->question(number);
    return QString::number(q.Number) + QLatin1Char('.') + q.prompt;
}

ChoiceGroup *QuestionnairePage::makeGroup(int number, Quiz::PromptStyle prompt, const std::function<QString(int)> &groupName,
                                          int left, int width)
{
    const TChoiceQuestion &q = m_questions->question(number);
    auto *group = new ChoiceGroup(prompt == Quiz::PromptStyle::Caption ? questionCaption(number) : QString(), q.options,
                                  q.columns, m_page);
    group->setObjectName(groupName(number));
    group->setAccessibleName(questionCaption(number));
    group->setFont(PageBuilder::fontOf(QuestionnaireFonts::question()));
    group->setGeometry(left, m_y, width, group->heightFor(width));
    connect(group, &ChoiceGroup::readerChose, this, [this, number](int index) {
        m_questions->select(number, index);
        answerChanged();
    });
    m_groups.insert(number, group);
    registerItemWidget(number, group);
    return group;
}

void QuestionnairePage::questions(int first, int last, Quiz::PromptStyle prompt, const std::function<QString(int)> &groupName,
                                  int left, int width)
{
    for (int k = first; k <= last; ++k) {
        if (deferred([=] { questions(k, last, prompt, groupName, left, width); }))
            return;
        if (prompt == Quiz::PromptStyle::Beside) {
            // The prompt takes the left of the row; the options share the right-hand third.
            const int optionsWidth = width / 3;
            PageBuilder::buildBlock(m_page, Blocks::label(questionCaption(k), QRect(left, m_y, width - optionsWidth, 30),
                                                          QuestionnaireFonts::question(), Qt::AlignLeft | Qt::AlignVCenter));
            ChoiceGroup *group = makeGroup(k, prompt, groupName, left + width - optionsWidth, optionsWidth);
            // The card fits its row, so that the cards of neighbouring rows never overlap.
            group->layout()->setContentsMargins(10, 2, 8, 2);
            group->resize(group->width(), qMin(30, group->heightFor(group->width())));
            group->move(group->x(), m_y + (30 - group->height()) / 2);
            m_y += 30 + 4;
            if (k < last && sliced([=] { questions(k + 1, last, prompt, groupName, left, width); }))
                return;
            continue;
        }
        if (prompt == Quiz::PromptStyle::LabelAbove) {
            const QString caption = questionCaption(k);
            PageBuilder::buildBlock(m_page, Blocks::label(caption, QRect(left, m_y, width, 22),
                                                          QuestionnaireFonts::question()));
            m_y += 22;
        }
        ChoiceGroup *group = makeGroup(k, prompt, groupName, left, width);
        if (m_compact) {
            group->layout()->setContentsMargins(10, 3, 8, 3);
            group->layout()->setSpacing(2);
            group->resize(group->width(), group->heightFor(group->width()));
        }
        m_y += group->height() + (m_compact ? kQuestionGap - 2 : kQuestionGap);
        if (k < last && sliced([=] { questions(k + 1, last, prompt, groupName, left, width); }))
            return;
    }
}

void QuestionnairePage::questionPairs(const QVector<QPair<int, int>> &rows, const std::function<QString(int)> &groupName)
{
    const int half = (kColumnWidth - 20) / 2;
    for (int row = 0; row < rows.size(); ++row) {
        if (deferred([=] { questionPairs(rows.mid(row), groupName); }))
            return;
        const auto &[leftQuestion, rightQuestion] = rows[row];
        ChoiceGroup *a = makeGroup(leftQuestion, Quiz::PromptStyle::Caption, groupName, kColumnLeft, half);
        ChoiceGroup *b = makeGroup(rightQuestion, Quiz::PromptStyle::Caption, groupName, kColumnLeft + half + 20, half);
        m_y += qMax(a->height(), b->height()) + kQuestionGap;
        if (row + 1 < rows.size() && sliced([=] { questionPairs(rows.mid(row + 1), groupName); }))
            return;
    }
}

QPushButton *QuestionnairePage::finishButton(const QString &name, const QString &caption)
{
    if (deferred([=] { finishButton(name, caption); }))
        return nullptr;
    auto *button = new QPushButton(caption.isEmpty() ? Quiz::commonText(QStringLiteral("finish")) : caption, m_page);
    button->setObjectName(name);
    button->setAutoDefault(true);   // Return presses it when it has the focus
    button->setFont(PageBuilder::fontOf(QuestionnaireFonts::heading()));
    button->setGeometry(kColumnLeft + kColumnWidth / 2 - 60, m_y, 120, 32);
    connect(button, &QPushButton::clicked, this, &QuestionnairePage::finish);
    m_y += 32 + 14;
    return button;
}

void QuestionnairePage::scoreBlock(const QString &button, const QString &fieldLabel, const QString &field,
                                   bool fieldReadOnly, const QString &box, int boxHeight, const FontSpec &boxFont)
{
    if (deferred([=] { scoreBlock(button, fieldLabel, field, fieldReadOnly, box, boxHeight, boxFont); }))
        return;
    gap(6);
    finishButton(button);
    this->field(fieldLabel, field, fieldReadOnly);
    resultBox(box, boxHeight, boxFont);
}

void QuestionnairePage::field(const QString &label, const QString &name, bool readOnly, bool bold, int fieldWidth)
{
    if (deferred([=] { field(label, name, readOnly, bold, fieldWidth); }))
        return;
    const FontSpec font = QuestionnaireFonts::heading();
    const int labelWidth = QFontMetrics(PageBuilder::fontOf(font)).horizontalAdvance(label) + 8;
    PageBuilder::buildBlock(m_page, Blocks::label(label, QRect(kColumnLeft, m_y, labelWidth, kRowHeight), font,
                                                  Qt::AlignLeft | Qt::AlignVCenter));
    auto *edit = new QLineEdit(m_page);
    edit->setObjectName(name);
    edit->setReadOnly(readOnly);
    edit->setFont(PageBuilder::fontOf({kFaceSans, 15, bold, false, {}}));
    edit->setGeometry(kColumnLeft + labelWidth, m_y, fieldWidth, kRowHeight);
    edit->setAccessibleName(QString(label).remove(QChar(0xFF1A)).trimmed());
    m_fields.insert(name, edit);
    m_y += kRowHeight + 10;
}

void QuestionnairePage::countLine(const QString &label, const QString &labelName, const QString &name)
{
    if (deferred([=] { countLine(label, labelName, name); }))
        return;
    const FontSpec font = QuestionnaireFonts::heading();
    const int labelWidth = QFontMetrics(PageBuilder::fontOf(font)).horizontalAdvance(label) + 6;
    PageBuilder::buildBlock(m_page, Blocks::label(label, QRect(kColumnLeft, m_y, labelWidth, kRowHeight), font,
                                                  Qt::AlignLeft | Qt::AlignVCenter, labelName));
    QWidget *line = PageBuilder::buildBlock(
        m_page, Blocks::label(QString(), QRect(kColumnLeft + labelWidth, m_y, kColumnWidth - labelWidth, kRowHeight),
                              font, Qt::AlignLeft | Qt::AlignVCenter, name));
    m_fields.insert(name, line);
    m_y += kRowHeight + 8;
}

QPlainTextEdit *QuestionnairePage::resultBox(const QString &name, int height, const FontSpec &font)
{
    if (deferred([=] { resultBox(name, height, font); }))
        return nullptr;
    auto *box = new QPlainTextEdit(m_page);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFont(PageBuilder::fontOf(font));
    box->setTabStopDistance(4 * QFontMetrics(box->font()).horizontalAdvance(QChar(0x4E00)) / 2);
    box->setGeometry(kColumnLeft, m_y, kColumnWidth, height);
    box->setAccessibleName(Quiz::commonText(QStringLiteral("result.box")));
    m_resultBox = box;
    m_y += height + 12;
    return box;
}

ResultChart *QuestionnairePage::resultChart(const Quiz::QuizRecord &record)
{
    if (deferred([this, &record] { resultChart(record); }))
        return nullptr;
    m_record = &record;
    m_chart = new ResultChart(m_page);
    m_chart->setFont(PageBuilder::fontOf(QuestionnaireFonts::intro()));
    const QString guide = record.optionalText(QStringLiteral("chart.guide"));
    const int height = ResultChart::drawingHeight(Quiz::chartKind(record)) + ResultChart::guideHeight(guide, m_chart->font(), kColumnWidth - 32) + 16;
    m_chart->setGeometry(kColumnLeft, m_y, kColumnWidth, height);
    m_chart->hide();
    m_y += height + 12;
    connect(m_chart, &ResultChart::saveRequested, this, [this] { ResultReport::save(m_page->window(), reportContent()); });
    connect(m_chart, &ResultChart::printRequested, this, [this] { ResultReport::print(m_page->window(), reportContent()); });
    return m_chart;
}

QString QuestionnairePage::fieldText(const QString &name) const
{
    QWidget *w = m_fields.value(name);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    return QString();
}

ResultReport::Content QuestionnairePage::reportContent() const
{
    ResultReport::Content content;
    content.fileStem = Quiz::commonText(QStringLiteral("report.title")).arg(m_record->text(QStringLiteral("name")));
    content.title = QChar(0x300A) + content.fileStem + QChar(0x300B);
    content.answers = answersGiven();
    content.when = QDateTime::currentDateTime();
    content.chart = m_chart;
    const auto shown = [this](const QString &name) { return fieldText(name); };
    const Quiz::ChartModel &chart = m_chart->model();
    const QString colon = QStringLiteral("：");
    switch (chart.kind) {
    case Quiz::ChartModel::Kind::Scale: {
        const QString own = m_record->optionalText(QStringLiteral("score.label"));
        content.lines << (own.isEmpty() ? Quiz::commonText(QStringLiteral("score.label")) : own)
                             + shown(QString::fromLatin1(m_record->scoreField));
        break;
    }
    case Quiz::ChartModel::Kind::Marks:
        content.lines << m_record->text(QStringLiteral("count.label")) + shown(QStringLiteral("Label567"));
        break;
    case Quiz::ChartModel::Kind::Bars:
        for (int d = 0; d < chart.items.size(); ++d)
            content.lines << chart.items[d].label + colon + shown(QStringLiteral("Edit_") + QChar(QLatin1Char('a' + d)));
        break;
    case Quiz::ChartModel::Kind::Columns:
        for (const Quiz::ChartItem &item : chart.items)
            content.lines << item.label + colon + shown(item.label + QStringLiteral("_edit"));
        break;
    case Quiz::ChartModel::Kind::Balances:
        for (int row = 0; row < 6; ++row)
            content.lines << (row % 2 ? chart.items[row / 2].otherLabel : chart.items[row / 2].label) + colon
                                 + shown(QStringLiteral("Edit%1").arg(48 + row));
        break;
    }
    // Many totals read better on one line each pair.
    if (content.lines.size() > 4) {
        QStringList joined;
        for (int i = 0; i < content.lines.size(); i += 3)
            joined << content.lines.mid(i, 3).join(QStringLiteral("　　"));
        content.lines = joined;
    }
    if (!chart.summary.isEmpty())
        content.lines << chart.summary;
    if (m_resultBox)
        content.verdict = m_resultBox->toPlainText();
    content.historyHeading = m_historyHeading;
    content.history = m_history;
    return content;
}

Records::Result QuestionnairePage::keptResult() const
{
    Records::Result r;
    if (!m_chart || !m_record)
        return r;
    const Quiz::ChartModel &chart = m_chart->model();
    const auto shown = [this](const QString &name) { return fieldText(name).trimmed(); };
    QStringList figures;
    switch (chart.kind) {
    case Quiz::ChartModel::Kind::Scale:
        r.score = shown(QString::fromLatin1(m_record->scoreField));
        for (const Quiz::ChartBand &band : chart.bands)
            if (band.low <= chart.score && chart.score <= band.high)
                r.band = band.name;
        figures << QString::number(chart.score);
        break;
    case Quiz::ChartModel::Kind::Marks:
        r.score = shown(QString::fromLatin1(Quiz::CountLineTest::kCountField));
        for (const Quiz::ChartItem &item : chart.items)
            figures << QString::number(item.value);
        break;
    default:
        r.score = chart.summary;
        for (const Quiz::ChartItem &item : chart.items)
            figures << QString::number(item.value);
        break;
    }
    r.figures = figures.join(QLatin1Char(','));
    return r;
}

void QuestionnairePage::markPrevious(const QString &figures, const QString &when, const QString &inWords)
{
    if (!m_chart)
        return;
    QVector<int> values;
    for (const QString &v : figures.split(QLatin1Char(','), Qt::SkipEmptyParts))
        values << v.toInt();
    m_chart->setPrevious(values, when, inWords);
}

void QuestionnairePage::setReportHistory(const QString &heading, const QStringList &lines)
{
    m_historyHeading = heading;
    m_history = lines;
}

// Short enough to read on one page: a short option as written, a long one by its letter.
QString QuestionnairePage::answersGiven() const
{
    QStringList answers;
    if (m_questions) {
        for (const TChoiceQuestion &q : m_questions->Questions) {
            if (q.AnswerIndex < 0)
                continue;
            const QString option = q.options.value(q.AnswerIndex);
            answers << QString::number(q.Number) + QLatin1Char('.')
                           + (option.size() <= 6 ? option : QString(QChar(QLatin1Char('A' + q.AnswerIndex))));
        }
        return answers.join(QStringLiteral("　"));
    }
    // Score boxes: box 2k and its partner 2k + 1 hold pair k + 1.
    if (const auto *drivers = dynamic_cast<const DrivingForceTest *>(m_test.get())) {
        const QString join = Quiz::commonText(QStringLiteral("report.pair.join"));
        for (int i = 0; i + 1 < DrivingForceTest::kBoxes; i += 2) {
            if (drivers->text(i).isEmpty() && drivers->text(i + 1).isEmpty())
                continue;
            answers << Quiz::commonText(QStringLiteral("report.pair"))
                           .arg(drivers->box(i).pair)
                           .arg(drivers->text(i) + join + drivers->text(i + 1));
        }
    }
    return answers.join(QStringLiteral("　"));
}

QPlainTextEdit *QuestionnairePage::textBox(const QString &name, const QString &text, const FontSpec &font, int height,
                                           int left, int width, int measureTo)
{
    if (deferred([=] { textBox(name, text, font, height, left, width); }))
        return nullptr;
    // Height 0: as tall as its text.
    TContentBlock block = Blocks::textBox(text, QRect(left, m_y, width, qMax(height, 0)), font, name);
    block.scrollBar = height > 0;
    const int limit = height <= 0 && m_rest && m_y < measureTo ? measureTo - m_y : INT_MAX;
    auto *box = static_cast<QPlainTextEdit *>(PageBuilder::buildBlock(m_page, block, limit));
    if (!PageBuilder::measuredWhole(box)) {
        // Where the next step starts is known once the whole text is measured.
        m_deferring = true;
        m_rest->later([this, box] {
            PageBuilder::fitTextInSteps(box, *m_slices, [this, box] { m_y = box->y() + box->height() + 10; });
        });
        return box;
    }
    m_y += box->height() + 10;
    return box;
}

void QuestionnairePage::fieldsOnLines(QPlainTextEdit *box, const QVector<int> &lines, const QStringList &names,
                                      int left, int width, bool readOnly)
{
    if (deferred([=] { fieldsOnLines(box, lines, names, left, width, readOnly); }))
        return;
    const int lineHeight = QFontMetrics(box->font()).height();
    const QVector<int> tops = PageBuilder::lineTops(box, lines);
    for (int i = 0; i < lines.size() && i < names.size(); ++i) {
        auto *edit = new QLineEdit(m_page);
        edit->setObjectName(names[i]);
        edit->setReadOnly(readOnly);
        edit->setFont(PageBuilder::fontOf({kFaceSans, 15, true, false, {}}));
        const int height = qMax(lineHeight + 4, 24);
        edit->setGeometry(left, tops[i] + (lineHeight - height) / 2, width, height);
        // Named after the line it stands on ("A 物质报酬", "R 项 分值").
        edit->setAccessibleName(box->document()->findBlockByNumber(lines[i]).text().remove(QChar(0xFF1A)).simplified());
        m_fields.insert(names[i], edit);
    }
}

void QuestionnairePage::reset()
{
    m_test->Reset(*this);
    setMarks({});
    if (m_chart) {
        m_chart->hide();
        m_chart->setPrevious({}, {}, {});
    }
    emit progressChanged();
}

void QuestionnairePage::finish()
{
    m_noticeShown = false;
    m_firstWritten = nullptr;
    m_test->Finish(*this);
    if (!m_noticeShown) {
        setMarks({});
        // The result is the first thing a screen reader says: the chart takes the focus, named
        // by the score and its band, with the verdict as its description.
        if (m_chart) {
            m_chart->setModel(Quiz::chartFor(*m_record, *m_test));
            m_chart->show();
            m_chart->setAccessibleName(Quiz::commonText(QStringLiteral("result.heard")).arg(resultInWords()));
            const QString verdict = m_resultBox ? m_resultBox->toPlainText().trimmed() : QString();
            m_chart->setAccessibleDescription(verdict.isEmpty() ? m_chart->model().description()
                                                                : verdict + QLatin1Char('\n') + m_chart->model().description());
            m_chart->setFocus(Qt::OtherFocusReason);
            if (QScrollArea *area = clientArea())
                area->ensureWidgetVisible(m_chart, 0, 20);
        } else if (m_firstWritten) {
            m_firstWritten->setFocus(Qt::OtherFocusReason);
        }
        m_firstWritten = nullptr;
        emit finished();
        return;
    }
    setMarks(m_test->unansweredItems());
    if (m_marked.isEmpty())
        return;
    // The box has closed: bring the first missing item into sight and the focus to it, so that a
    // screen reader says its prompt.
    QScrollArea *area = clientArea();
    QWidget *first = nullptr;
    for (QWidget *w : m_itemWidgets.values(m_marked.first()))
        if (!first || w->y() < first->y() || (w->y() == first->y() && w->x() < first->x()))
            first = w;
    if (area && first)
        area->ensureWidgetVisible(first, 0, 60);
    if (auto *question = qobject_cast<ChoiceGroup *>(first))
        question->entryOption()->setFocus(Qt::OtherFocusReason);
    else if (first)
        first->setFocus(Qt::OtherFocusReason);
}

QScrollArea *QuestionnairePage::clientArea() const
{
    auto *window = qobject_cast<QMainWindow *>(m_page->window());
    return window ? qobject_cast<QScrollArea *>(window->centralWidget()) : nullptr;
}

// The result in a few words: the score with its band, the counts, or the line that sums up.
QString QuestionnairePage::resultInWords() const
{
    const Quiz::ChartModel &chart = m_chart->model();
    const auto shown = [this](const QString &name) { return fieldText(name).trimmed(); };
    const QString separator = Quiz::commonText(QStringLiteral("chart.separator"));
    switch (chart.kind) {
    case Quiz::ChartModel::Kind::Scale: {
        QStringList parts{shown(QString::fromLatin1(m_record->scoreField))};
        for (const Quiz::ChartBand &band : chart.bands)
            if (band.low <= chart.score && chart.score <= band.high && !band.name.isEmpty())
                parts << band.name;
        return parts.join(separator);
    }
    case Quiz::ChartModel::Kind::Marks:
        return shown(QStringLiteral("Label567"));
    default:
        return chart.summary.isEmpty() ? chart.description() : chart.summary;
    }
}

void QuestionnairePage::answerChanged()
{
    if (!m_marked.isEmpty()) {
        const QVector<int> missing = m_test->unansweredItems();
        QVector<int> still;
        for (int item : std::as_const(m_marked))
            if (missing.contains(item))
                still << item;
        if (still != m_marked)
            setMarks(still);
    }
    emit progressChanged();
    emit readerAnswered();
}

void QuestionnairePage::setMarks(const QVector<int> &items)
{
    for (int item : std::as_const(m_marked))
        if (!items.contains(item))
            for (QWidget *w : m_itemWidgets.values(item))
                MissingMark::set(w, false);
    for (int item : items)
        for (QWidget *w : m_itemWidgets.values(item))
            MissingMark::set(w, true);
    m_marked = items;
}

void QuestionnairePage::showAnswer(int number, int index)
{
    if (ChoiceGroup *g = m_groups.value(number))
        g->setItemIndex(index);
}

void QuestionnairePage::clearResultBox()
{
    if (m_resultBox)
        m_resultBox->clear();
}

void QuestionnairePage::noteWritten(QWidget *w)
{
    if (!m_firstWritten && w && w->focusPolicy() != Qt::NoFocus)
        m_firstWritten = w;
}

void QuestionnairePage::addResultLine(const QString &line)
{
    noteWritten(m_resultBox);
    if (m_resultBox) {
        m_resultBox->appendPlainText(line);
        // Given the focus, the box is read from its start, not from its last line.
        m_resultBox->moveCursor(QTextCursor::Start);
    }
}

void QuestionnairePage::setFieldText(const QString &name, const QString &text)
{
    noteWritten(m_fields.value(name));
    QWidget *w = m_fields.value(name);
    if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        edit->setText(text);
    } else if (auto *label = qobject_cast<QLabel *>(w)) {
        label->setText(text);
    } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
        // A program write: the item whose label equals the text is selected, or none; the
        // reader's handlers do not run.
        const QSignalBlocker comboBlocker(combo), editBlocker(combo->lineEdit());
        combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly));
        combo->setEditText(text);
    }
}

void QuestionnairePage::showError(const QString &text)
{
    MessageBox::standardError(m_page->window(), text);
}

void QuestionnairePage::showNotice(const QString &text)
{
    m_noticeShown = true;
    MessageBox::notice(m_page->window(), text);
}
