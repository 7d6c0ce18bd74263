#include "ui/records/readerrecords.h"

#include "book/navigator.h"
#include "book/quiz/answers.h"
#include "book/quiz/records.h"
#include "book/search.h"
#include "book/texts.h"
#include "ui/platform/filewriter.h"
#include "ui/platform/messagebox.h"
#include "ui/questionnairepage.h"
#include "ui/widgets/editabletextbox.h"
#include "ui/widgets/resultchart.h"
#include "ui/widgets/resulthistory.h"

#include <QAction>
#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTimer>
#include <QToolButton>

namespace {

QString text(const char *key)
{
    return TextData::text(QStringLiteral(":/data/records.txt"), QString::fromLatin1(key));
}

constexpr int kNoteMs = 12000;

// Boxes measured in part are left for when the page is whole.
int questionnaireFold(const QWidget *page)
{
    return page->property("pathoraFirstViewEnd").isValid() ? page->property("pathoraFirstViewEnd").toInt() : INT_MAX;
}
const QString kPlace = QStringLiteral("place");

// Two answers to a question; true for the first.
bool ask(QWidget *parent, const QString &title, const QString &question, const QString &yes, const QString &no)
{
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton *first = box.addButton(yes, QMessageBox::AcceptRole);
    QPushButton *second = box.addButton(no, QMessageBox::RejectRole);
    box.setDefaultButton(second);
    box.setEscapeButton(second);
    box.exec();
    return box.clickedButton() == first;
}

QString dateOf(qint64 at, const char *formatKey)
{
    return QLocale(QLocale::Chinese, QLocale::China).toString(QDateTime::fromMSecsSinceEpoch(at), text(formatKey));
}

} // namespace

ReaderRecords::ReaderRecords(QWidget &window, QMenuBar &bar, QStatusBar &status, TNavigator &navigator,
                             const RecordsSetup &setup)
    : QObject(&window), m_window(window), m_status(status), m_navigator(navigator),
      m_keeper(setup.folder, setup.privateSession)
{
    buildMenu(bar);
    if (m_keeper.isPrivate()) {
        auto *label = new QLabel(text("note.private"), &m_status);
        label->setObjectName(QStringLiteral("PrivateSession"));
        label->setToolTip(text("note.private.tip"));
        label->setContentsMargins(10, 0, 10, 0);
        m_status.addPermanentWidget(label);
    }
    m_resume = new QPushButton(&m_status);
    m_resume->setObjectName(QStringLiteral("ResumeAnswers"));
    m_resume->setFlat(true);
    m_resume->setCursor(Qt::PointingHandCursor);
    m_resume->hide();
    m_status.addPermanentWidget(m_resume);
    connect(m_resume, &QPushButton::clicked, this, [this] { resume(m_current); });

    connect(&m_keeper, &Records::Keeper::loaded, this, &ReaderRecords::loaded);
    // Told once the store's answer has been taken in, not from within it.
    connect(&m_keeper, &Records::Keeper::movedAside, this, [this](const QString &broken, const QString &fresh) {
        QTimer::singleShot(0, this, [this, broken, fresh] {
            MessageBox::warning(&m_window, text("aside.title"),
                                text("aside").arg(QDir::toNativeSeparators(broken), QDir::toNativeSeparators(fresh)));
        });
    });
    connect(&m_keeper, &Records::Keeper::saveFailed, this,
            [this](const QString &why) { m_status.showMessage(text("failed").arg(why), kNoteMs); });
    connect(&m_keeper, &Records::Keeper::saveResumed, this, [this] { m_status.showMessage(text("resumed"), kNoteMs); });
    updateContinue();
}

// After the window's first frame: start-up does not wait for the store.
void ReaderRecords::start()
{
    if (m_started)
        return;
    m_started = true;
    m_keeper.start();
    m_keep->setChecked(m_keeper.isOn());
}

void ReaderRecords::buildMenu(QMenuBar &bar)
{
    QMenu *menu = bar.addMenu(text("menu"));
    menu->setObjectName(QStringLiteral("RecordsMenu"));
    m_continue = menu->addAction(text("continue.none"));
    m_continue->setObjectName(QStringLiteral("ContinueReading"));
    m_continue->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    m_continue->setShortcutContext(Qt::WindowShortcut);
    m_window.addAction(m_continue);
    connect(m_continue, &QAction::triggered, this, &ReaderRecords::continueReading);
    m_resumeAction = menu->addAction(text("resume.menu"));
    m_resumeAction->setObjectName(QStringLiteral("ResumeAnswersAction"));
    m_resumeAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    m_resumeAction->setEnabled(false);
    m_window.addAction(m_resumeAction);
    connect(m_resumeAction, &QAction::triggered, this, [this] { resume(m_current); });
    menu->addSeparator();
    m_keep = menu->addAction(text("keep"));
    m_keep->setObjectName(QStringLiteral("KeepRecords"));
    m_keep->setCheckable(true);
    connect(m_keep, &QAction::triggered, this, &ReaderRecords::readerToggledKeeping);
    m_clear = menu->addAction(text("clear"));
    m_clear->setObjectName(QStringLiteral("ClearRecords"));
    connect(m_clear, &QAction::triggered, this, &ReaderRecords::clearAll);
    const bool available = !m_keeper.isPrivate() && !m_keeper.folder().isEmpty();
    m_keep->setEnabled(available);
    m_clear->setEnabled(available);
    // The continuing place of a private session is not read.
    m_continueButton = new QToolButton(&m_status);
    m_continueButton->setObjectName(QStringLiteral("ContinueReadingButton"));
    m_continueButton->setDefaultAction(m_continue);
    m_continueButton->setAutoRaise(true);
    m_continueButton->hide();
    m_status.addPermanentWidget(m_continueButton);
}

void ReaderRecords::readerToggledKeeping(bool on)
{
    if (on) {
        m_keeper.turnOn();
        m_keep->setChecked(m_keeper.isOn());
        if (!m_keeper.isOn())
            return;
        for (auto it = m_rooms.cbegin(); it != m_rooms.cend(); ++it)
            showHistory(it.key());
        keepPlace();
        MessageBox::notice(&m_window, text("on").arg(QDir::toNativeSeparators(m_keeper.storePath())));
        return;
    }
    const bool remove = ask(&m_window, text("off.title"), text("off"), text("off.delete"), text("off.keep"));
    m_keeper.turnOff(remove);
    m_keep->setChecked(m_keeper.isOn());
    for (auto it = m_rooms.cbegin(); it != m_rooms.cend(); ++it)
        showHistory(it.key());
    showOffer(m_current);
    updateContinue();
}

void ReaderRecords::clearAll()
{
    if (!ask(&m_window, text("clear.title"), text("clear.ask"), text("clear.yes"), text("cancel")))
        return;
    m_keeper.forget();
    m_keep->setChecked(false);
    m_lastPlace = {kNoPage, 0};
    for (auto it = m_rooms.cbegin(); it != m_rooms.cend(); ++it)
        showHistory(it.key());
    showOffer(m_current);
    updateContinue();
}

// Once a session, without a box: what is not kept, and where keeping is switched on.
void ReaderRecords::noteOnce()
{
    if (m_noted || m_keeper.isOn() || m_keeper.isPrivate())
        return;
    m_noted = true;
    m_status.showMessage(text("note.off"), kNoteMs);
}

void ReaderRecords::loaded()
{
    m_keep->setChecked(m_keeper.isOn());
    const QStringList place = m_keeper.setting(kPlace).split(QLatin1Char(','));
    if (place.size() == 2 && m_lastPlace.first == kNoPage) {
        const PageId page = place[0].toInt();
        if (TPageTable::isValid(page) && page != kStartPage)
            m_lastPlace = {page, qMax(0, place[1].toInt())};
    }
    keepPlace();
    for (auto it = m_rooms.cbegin(); it != m_rooms.cend(); ++it)
        showHistory(it.key());
    // Texts typed in an earlier session go back into their boxes, unless typed into already.
    for (const QPointer<QPlainTextEdit> &box : std::as_const(m_boxes)) {
        if (!box || !m_keeper.hasText(boxKey(box)) || box->document()->isModified())
            continue;
        m_writing = true;
        box->setPlainText(m_keeper.text(boxKey(box)));
        m_writing = false;
    }
    showOffer(m_current);
    updateContinue();
}

void ReaderRecords::updateContinue()
{
    const bool known = m_keeper.isOn() && TPageTable::isValid(m_lastPlace.first);
    // Told again only when it changes: a page change does not relay the menu out.
    const PageId offered = known ? m_lastPlace.first : kNoPage;
    if (offered != m_continueOffered || !m_continueTold) {
        m_continueTold = true;
        m_continueOffered = offered;
        m_continue->setEnabled(known);
        m_continue->setText(known ? text("continue").arg(BookIndex::pageTitle(offered).simplified()) : text("continue.none"));
    }
    const bool visible = known && m_current == kStartPage;
    if (m_continueButton->isVisibleTo(&m_status) != visible)
        m_continueButton->setVisible(visible);
}

void ReaderRecords::continueReading()
{
    if (!m_continue->isEnabled())
        return;
    const auto [page, scroll] = m_lastPlace;
    m_navigator.GoToPage(page);
    if (m_scroll)
        m_scroll(scroll);
}

// Not before the place kept last time has been read: it is where 继续阅读 goes.
void ReaderRecords::keepPlace(bool closing)
{
    if (!m_placeSource || (!m_keeper.isLoaded() && !closing))
        return;
    const auto [page, scroll] = m_placeSource();
    if (TPageTable::isValid(page))
        m_keeper.putSetting(kPlace, QStringLiteral("%1,%2").arg(page).arg(scroll));
}

void ReaderRecords::pageShown(PageId id)
{
    m_current = id;
    // Kept once the page has settled (its scroll position set).
    QTimer::singleShot(0, this, [this] { keepPlace(); });
    showOffer(id);
    updateContinue();
}

void ReaderRecords::closing(PageId, int)
{
    start();
    keepPlace(true);
    m_keeper.flushNow();
}

// ---- questionnaires ------------------------------------------------------------------------

void ReaderRecords::pageBuilt(PageId id, QWidget *page, QuestionnairePage *questionnaire)
{
    for (EditableTextBox *box : page->findChildren<EditableTextBox *>())
        watchTextBox(id, box);
    pageStarted(id, page, questionnaire);
    QuestionnaireRoom &room = m_rooms[id];
    if (!questionnaire || !questionnaire->chart() || room.history)
        return;
    // The history stands where the result chart will: the chart's room is empty until a finish.
    room.history = new ResultHistory(page);
    const QRect chart = questionnaire->chart()->geometry();
    room.history->setGeometry(chart.left(), chart.top(), chart.width(), ResultHistory::kHeight);
    connect(room.history, &ResultHistory::removeRequested, this, [this, id](const QString &uid) {
        m_keeper.removeResult(uid);
        showHistory(id);
    });
    connect(room.history, &ResultHistory::removeAllRequested, this, [this, id] {
        const Quiz::QuizRecord *record = Quiz::recordFor(id);
        const int count = int(m_keeper.results(id).size());
        if (!record || !ask(&m_window, text("history.title"),
                            text("history.removeall.ask").arg(record->text(QStringLiteral("name"))).arg(count),
                            text("clear.yes"), text("cancel")))
            return;
        m_keeper.removeResults(id);
        showHistory(id);
    });
    showHistory(id);
}

void ReaderRecords::pageStarted(PageId id, QWidget *page, QuestionnairePage *questionnaire)
{
    // A box of the first view has its buttons in the first view.
    for (EditableTextBox *box : page->findChildren<EditableTextBox *>())
        if (box->geometry().bottom() < questionnaireFold(page))
            watchTextBox(id, box);
    if (!questionnaire || m_rooms.contains(id))
        return;
    QuestionnaireRoom &room = m_rooms[id];
    room.page = questionnaire;
    room.offerOpen = true;   // made on its first entry
    connect(questionnaire, &QuestionnairePage::finished, this, [this, id] { finished(id); });
    connect(questionnaire, &QuestionnairePage::readerAnswered, this, [this, id] { answered(id); });
    if (id == m_current)
        showOffer(id);
}

void ReaderRecords::pageEntered(PageId id)
{
    if (m_rooms.contains(id)) {
        m_rooms[id].offerOpen = true;
        showHistory(id);
    }
    showOffer(id);
}

void ReaderRecords::showHistory(PageId id)
{
    const QuestionnaireRoom &room = m_rooms.value(id);
    if (!room.history)
        return;
    QVector<ResultHistory::Row> rows;
    if (showsRecords())
        for (const Records::Result &r : m_keeper.results(id))
            rows.append({r.uid, QStringList{dateOf(r.at, "history.date"), r.score, r.band}.join(QStringLiteral("　")).trimmed()});
    room.history->setRows(rows);
    // Under the chart once it shows a result.
    if (room.page->chart()->isVisible())
        room.history->hide();
}

void ReaderRecords::showOffer(PageId id)
{
    const QuestionnaireRoom room = m_rooms.value(id);
    const Records::Attempt *a = showsRecords() && room.page && room.offerOpen ? m_keeper.attempt(id) : nullptr;
    const bool offered = a && a->answered > 0 && id == m_current;
    if (offered) {
        m_resume->setText(text("resume").arg(a->answered).arg(a->total).arg(dateOf(a->at, "resume.date")));
        m_resume->setAccessibleName(m_resume->text());
    }
    if (m_resume->isVisibleTo(&m_status) != offered)
        m_resume->setVisible(offered);
    m_resumeAction->setEnabled(offered);
}

void ReaderRecords::resume(PageId id)
{
    QuestionnaireRoom &room = m_rooms[id];
    const Records::Attempt *a = m_keeper.attempt(id);
    if (!room.page || !a)
        return;
    Quiz::putBack(room.page->test(), Quiz::decodeAnswers(a->answers), *room.page);
    room.offerOpen = false;
    emit room.page->progressChanged();
    showOffer(id);
}

void ReaderRecords::answered(PageId id)
{
    QuestionnaireRoom &room = m_rooms[id];
    room.offerOpen = false;
    showOffer(id);
    const IPageTest &test = room.page->test();
    Records::Attempt attempt;
    attempt.page = id;
    attempt.answers = Quiz::encodeAnswers(Quiz::answersOf(test));
    attempt.answered = test.answeredCount();
    attempt.total = test.itemCount();
    m_keeper.putAttempt(attempt);
}

void ReaderRecords::finished(PageId id)
{
    QuestionnaireRoom &room = m_rooms[id];
    noteOnce();
    const QVector<Records::Result> earlier = m_keeper.results(id);
    Records::Result r = room.page->keptResult();
    r.page = id;
    r.answers = Quiz::encodeAnswers(Quiz::answersOf(room.page->test()));
    r = m_keeper.addResult(r);
    m_keeper.dropAttempt(id);
    room.offerOpen = false;
    showOffer(id);
    if (showsRecords() && !earlier.isEmpty())
        room.page->markPrevious(earlier.first().figures, dateOf(earlier.first().at, "resume.date"),
                                QStringList{earlier.first().score, earlier.first().band}.join(QStringLiteral(" ")).trimmed());
    QVector<Records::Result> recent = showsRecords() ? m_keeper.results(id) : QVector<Records::Result>{};
    QStringList lines;
    for (int i = 0; i < recent.size() && i < 5; ++i)
        lines << QStringList{dateOf(recent[i].at, "history.date"), recent[i].score, recent[i].band}.join(QStringLiteral("　")).trimmed();
    room.page->setReportHistory(lines.isEmpty() ? QString() : text("report.history").arg(lines.size()), lines);
    showHistory(id);
}

// ---- typed texts ---------------------------------------------------------------------------

QString ReaderRecords::boxKey(const QPlainTextEdit *box)
{
    return box->parentWidget()->objectName() + QLatin1Char('/') + box->objectName();
}

void ReaderRecords::watchTextBox(PageId, QPlainTextEdit *box)
{
    const QString key = boxKey(box);
    if (m_templates.contains(key))
        return;
    m_templates.insert(key, box->toPlainText());
    m_boxes << box;
    QPointer<QPlainTextEdit> guarded(box);
    m_keeper.setTextSource(key, [guarded] {
        if (!guarded)
            return QString();
        const QString text = guarded->toPlainText();
        return text.isNull() ? QString(QLatin1String("")) : text;
    });
    if (m_keeper.isOn() && m_keeper.hasText(key)) {
        m_writing = true;
        box->setPlainText(m_keeper.text(key));
        m_writing = false;
    }
    // A keystroke costs a set insertion: the text is read when it is handed over.
    connect(box, &QPlainTextEdit::textChanged, this, [this, key] {
        if (m_writing)
            return;
        m_keeper.touchText(key);
        noteOnce();
    });
    // Two small buttons at the box's right, just above it or else just below it, where nothing
    // else of the page stands.
    QWidget *page = box->parentWidget();
    QVector<QPushButton *> buttons;
    for (const auto &[name, key2] : {std::pair{"ExportText", "export"}, std::pair{"RestoreTemplate", "restore"}}) {
        auto *button = new QPushButton(text(key2), page);
        button->setObjectName(QString::fromLatin1(name));
        QFont small = button->font();
        small.setPixelSize(12);
        button->setFont(small);
        // Small enough for the strip between the heading and the box: the skin's buttons are taller.
        button->setStyleSheet(QStringLiteral("QPushButton { min-height: 0px; padding: 1px 8px; }"));
        button->resize(button->sizeHint().width(), 22);
        button->setAccessibleDescription(box->accessibleName());
        if (QLatin1String(name) == QLatin1String("ExportText"))
            connect(button, &QPushButton::clicked, this, [this, guarded] { if (guarded) exportText(guarded); });
        else
            connect(button, &QPushButton::clicked, this, [this, guarded] { if (guarded) restoreTemplate(guarded); });
        buttons << button;
    }
    const int width = buttons[0]->width() + 6 + buttons[1]->width();
    const QRect box3 = box->geometry();
    const int height = qMax(buttons[0]->height(), buttons[1]->height());
    QRect row(box3.right() - width, box3.top() - height - 2, width, height);
    const auto clear = [&](const QRect &r) {
        for (QObject *o : page->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (w && w != box && !buttons.contains(w) && w->geometry().intersects(r))
                return false;
        }
        return true;
    };
    if (!clear(row))
        row.moveTop(box3.bottom() + 3);
    buttons[1]->move(row.left(), row.top());
    buttons[0]->move(row.left() + buttons[1]->width() + 6, row.top());
    for (QPushButton *b : buttons)
        b->show();
}

void ReaderRecords::restoreTemplate(QPlainTextEdit *box)
{
    if (!ask(&m_window, text("restore"), text("restore.ask"), text("restore"), text("cancel")))
        return;
    box->setPlainText(m_templates.value(boxKey(box)));
    box->document()->setModified(false);
}

void ReaderRecords::exportText(QPlainTextEdit *box)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString selected;
    const QString file = QFileDialog::getSaveFileName(&m_window, text("export.dialog"),
                                                      QDir(folder).filePath(text("export.name") + QStringLiteral(".txt")),
                                                      text("export.filter"), &selected);
    if (file.isEmpty())
        return;
    QByteArray bytes;
    if (file.endsWith(QStringLiteral(".odt"), Qt::CaseInsensitive)) {
        QTextDocument document;
        document.setPlainText(box->toPlainText());
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QTextDocumentWriter writer(&buffer, "odf");
        writer.write(&document);
    } else {
        bytes = box->toPlainText().toUtf8();
    }
    QString error;
    if (!FileWriter::write(file, bytes, &error))
        MessageBox::warning(&m_window, text("export.failed.title"),
                            text("export.failed").arg(QDir::toNativeSeparators(file), error));
}
