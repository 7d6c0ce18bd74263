#pragma once

#include "book/layout/blocks.h"
#include "book/quiz/questionnaire.h"
#include "book/quiz/records.h"
#include "records/recordstore.h"
#include "ui/resultreport.h"

#include <QHash>
#include <QMultiHash>
#include <QVector>
#include <QObject>

#include <climits>
#include <functional>
#include <memory>

class ChoiceGroup;
class DeferredBuild;
class ResultChart;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// Lays a questionnaire out on its page, top to bottom, and shows what its logic writes.
// Each test describes its page by calling the layout steps in page order.
class QuestionnairePage : public QObject, public IQuestionnaireView {
    Q_OBJECT
public:
    // `test` is a choice-question model (TQuestionnaire) or a test of its own kind.
    QuestionnairePage(QWidget *page, std::unique_ptr<IPageTest> test, int top);

    // The choice questions, for pages that have them.
    TQuestionnaire &model() { return *m_questions; }
    IPageTest &test() { return *m_test; }
    QWidget *page() const { return m_page; }
    int y() const { return m_y; }

    // From here on, the layout steps that would start below `fold` (page coordinates) are left
    // to `rest`, in order, with every step after them: the page's first view is built now and
    // the rest later. A step left for later returns nullptr.
    void deferBelow(int fold, DeferredBuild &rest);
    // Where the first view ends (page coordinates); with no first view, the page is built whole.
    int fold() const { return m_rest ? m_fold : INT_MAX; }
    // Runs `step` now or, once steps are left for later, after them: for the part of a page that
    // places its controls by what an earlier step made.
    void then(const std::function<void()> &step);

    // ---- layout steps ----
    void text(const QString &text, const FontSpec &font, Qt::Alignment align = Qt::AlignLeft,
              const QString &name = {}, int left = PageGeometry::kColumnLeft, int width = PageGeometry::kColumnWidth);
    // Questions first..last; group names from `groupName(number)`.
    void questions(int first, int last, Quiz::PromptStyle prompt, const std::function<QString(int)> &groupName,
                   int left = PageGeometry::kColumnLeft, int width = PageGeometry::kColumnWidth);
    // Question cards from here on with narrow margins, closer together.
    void compactQuestions() { m_compact = true; }
    // Places questions in two columns of a row each (used by the word-pair part of one test).
    void questionPairs(const QVector<QPair<int, int>> &rows, const std::function<QString(int)> &groupName);
    // The button that runs Finish; without a caption, the shared "完成".
    QPushButton *finishButton(const QString &name, const QString &caption = {});
    // The foot of a scored questionnaire: the "完成" button, the score field after its label and
    // the result box below.
    void scoreBlock(const QString &button, const QString &fieldLabel, const QString &field, bool fieldReadOnly,
                    const QString &box, int boxHeight, const FontSpec &boxFont);
    // A label and a one-line field on one row.
    void field(const QString &label, const QString &name, bool readOnly, bool bold = true, int fieldWidth = 160);
    QPlainTextEdit *resultBox(const QString &name, int height, const FontSpec &font);
    // A borderless read-only text box in the page's colour, as tall as its text (or `height`
    // with its own scroll bar). A box that starts above `measureTo` (page coordinates) and runs
    // past it has its text measured that far for now; the later steps wait for the rest.
    QPlainTextEdit *textBox(const QString &name, const QString &text, const FontSpec &font, int height = 0,
                            int left = PageGeometry::kColumnLeft, int width = PageGeometry::kColumnWidth,
                            int measureTo = INT_MAX);
    // Places one-line fields beside given lines of a text box, each level with its line.
    void fieldsOnLines(QPlainTextEdit *box, const QVector<int> &lines, const QStringList &names, int left,
                       int width, bool readOnly);
    // A one-line label a program can write into (a count line), after a static label.
    void countLine(const QString &label, const QString &labelName, const QString &name);
    // The result chart of `record`, hidden until a finish goes through.
    ResultChart *resultChart(const Quiz::QuizRecord &record);
    ResultChart *chart() const { return m_chart; }
    // The result as the report shows it: title, the fields' texts, the verdict, the chart.
    ResultReport::Content reportContent() const;
    QString answersGiven() const;
    void gap(int pixels);
    void setY(int y) { m_y = y; }

    // ---- IQuestionnaireView ----
    void showAnswer(int number, int index) override;
    void clearResultBox() override;
    void addResultLine(const QString &line) override;
    void setFieldText(const QString &name, const QString &text) override;
    void showNotice(const QString &text) override;
    void showError(const QString &text) override;

    void reset();
    // Runs Finish; when it ends with the notice of what is missing, the missing items are marked
    // and the view brought to the first of them, and a finish that goes through clears the marks.
    void finish();
    // The reader changed an answer: marks of items now answered go, the progress is told.
    void answerChanged();
    // The widgets that show item `item` (a question's group, a pair's two boxes) for its mark.
    void registerItemWidget(int item, QWidget *widget) { m_itemWidgets.insert(item, widget); }
    bool isMarked(int item) const { return m_marked.contains(item); }

    // The result of the last finish as the reader's records keep it: what the fields show, the
    // band, the chart's figures (the page and answers are the caller's).
    Records::Result keptResult() const;
    // The chart marks an earlier result (figures as keptResult gives them) beside the current one.
    void markPrevious(const QString &figures, const QString &when, const QString &inWords);
    // Earlier results the report lists under a heading.
    void setReportHistory(const QString &heading, const QStringList &lines);

signals:
    // The number of answered items may have changed.
    void progressChanged();
    // The reader gave or changed an answer (not a program write, not a reset).
    void readerAnswered();
    // A finish went through and its result is shown.
    void finished();

public:

    ChoiceGroup *group(int number) const { return m_groups.value(number); }
    void registerField(const QString &name, QWidget *field) { m_fields.insert(name, field); }
    QString questionCaption(int number) const;

private:
    ChoiceGroup *makeGroup(int number, Quiz::PromptStyle prompt, const std::function<QString(int)> &groupName, int left, int width);

    QWidget *m_page;
    std::unique_ptr<IPageTest> m_test;
    TQuestionnaire *m_questions = nullptr;
    int m_y;
    QHash<int, ChoiceGroup *> m_groups;
    QHash<QString, QWidget *> m_fields;      // QLineEdit, QLabel or QComboBox by component name
    QPlainTextEdit *m_resultBox = nullptr;
    QWidget *m_firstWritten = nullptr;    // during a Finish
    void noteWritten(QWidget *w);
    QMultiHash<int, QWidget *> m_itemWidgets;
    QVector<int> m_marked;
    bool m_noticeShown = false;
    ResultChart *m_chart = nullptr;
    const Quiz::QuizRecord *m_record = nullptr;
    QString m_historyHeading;
    QStringList m_history;

    void setMarks(const QVector<int> &items);
    QString resultInWords() const;
    // What a score field, count line or total shows, by its component name.
    QString fieldText(const QString &name) const;
    class QScrollArea *clientArea() const;

    template <typename Step>
    bool deferred(Step step);
    bool sliced(const std::function<void()> &remainder);
    DeferredBuild *m_rest = nullptr;     // while steps are left for later
    DeferredBuild *m_slices = nullptr;   // where the rest of a long step goes
    int m_fold = 0;
    bool m_compact = false;
    bool m_deferring = false;
};

// Fonts of the questionnaire pages.
namespace QuestionnaireFonts {
inline FontSpec intro() { return {kFaceSans, 14, false, false, {}}; }
inline FontSpec introBold() { return {kFaceSans, 14, true, false, {}}; }
inline FontSpec question() { return {kFaceSans, 14, false, false, {}}; }
inline FontSpec heading() { return {kFaceSans, 15, true, false, {}}; }
inline FontSpec result() { return {kFaceSans, 15, false, false, {}}; }
} // namespace QuestionnaireFonts
