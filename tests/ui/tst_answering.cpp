// Help while answering: the status line's place and progress, and the marks a finish leaves on
// what is still missing.
#include "book/quiz/drivingforce.h"
#include "book/quiz/records.h"
#include "ui/mainwindow.h"
#include "ui/widgets/choicegroup.h"
#include "ui/widgets/missingmark.h"
#include "ui/widgets/resultchart.h"
#include "ui/resultreport.h"
#include "book/quiz/chartmodel.h"
#include "book/quiz/tallysheet.h"
#include "book/quiz/variants.h"
#include "testsupport.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QStatusBar>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <sys/stat.h>

namespace {

// The page's items (questions or pairs) in a random order.
QVector<int> shuffled(int count, QRandomGenerator &random)
{
    QVector<int> items(count);
    std::iota(items.begin(), items.end(), 1);
    std::shuffle(items.begin(), items.end(), random);
    return items;
}

// A text without its blanks and line breaks, as a PDF's lines come back from its text.
QString bare(QString text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.normalized(QString::NormalizationForm_KC).remove(blanks);
}

// The words of a PDF. Fonts map some ideographs to radicals of the same shape: compared in
// compatibility form.
QString pdfText(const QString &pdftotext, const QString &file)
{
    QProcess convert;
    convert.start(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), file, QStringLiteral("-")});
    convert.waitForFinished(20000);
    return bare(QString::fromUtf8(convert.readAllStandardOutput()));
}

} // namespace

class TestAnswering : public QObject {
    Q_OBJECT

    std::unique_ptr<TForm2> m_window;
    QRandomGenerator m_random{20261209};

    QString progress() const { return m_window->statusBar()->findChild<QLabel *>("StatusProgress")->text(); }
    QString place() const { return m_window->statusBar()->findChild<QLabel *>("StatusPlace")->text(); }

    // The widgets of item `item`, answered as the reader would; the first is the one to look at.
    QList<QWidget *> itemWidgets(const Quiz::QuizRecord &r, int item)
    {
        QWidget *page = m_window->page(r.page);
        if (r.variant != Quiz::Variant::DrivingForce)
            return {page->findChild<ChoiceGroup *>(r.groupNameOf(item))};
        DrivingForceTest model{QString()};
        return {page->findChild<QComboBox *>(model.box(2 * item - 2).name),
                page->findChild<QComboBox *>(model.box(2 * item - 1).name)};
    }
    void answer(const Quiz::QuizRecord &r, int item)
    {
        QWidget *first = itemWidgets(r, item).first();
        if (auto *group = qobject_cast<ChoiceGroup *>(first)) {
            QRadioButton *option = group->option(m_random.bounded(group->optionCount()));
            QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(8, option->height() / 2));
        } else {
            auto *box = static_cast<QComboBox *>(first);
            box->lineEdit()->selectAll();
            QTest::keyClicks(box->lineEdit(), QString::number(m_random.bounded(4)));
        }
    }
    QString fieldText(PageId page, const QString &name) const
    {
        QWidget *field = m_window->page(page)->findChild<QWidget *>(name);
        if (auto *edit = qobject_cast<QLineEdit *>(field))
            return edit->text();
        if (auto *label = qobject_cast<QLabel *>(field))
            return label->text();
        return qobject_cast<QPlainTextEdit *>(field)->toPlainText();
    }
    void finish(const Quiz::QuizRecord &r)
    {
        auto *button = m_window->page(r.page)->findChild<QPushButton *>(QString::fromLatin1(r.button));
        TestSupport::expectModal([button] { QTest::mouseClick(button, Qt::LeftButton); });
    }

private slots:
    void init() { m_window = TestSupport::makeWindow(); }
    void cleanup() { m_window.reset(); }

    void questionnaires_data()
    {
        QTest::addColumn<int>("page");
        for (const Quiz::QuizRecord &r : Quiz::records())
            QTest::addRow("%s", r.data) << int(r.page);
    }

    void placeFollowsTheReadingOrder()
    {
        m_window->navigator().GoToPage(kStartPage);
        QVERIFY(place().endsWith(QStringLiteral("第 1 / 42 页")));
        QVERIFY(place().startsWith(QStringLiteral("首页")));   // the word the menu's "返回首页" uses
        QVERIFY(m_window->statusBar()->findChild<QLabel *>("StatusProgress")->text().isEmpty());
        // Every page has a label of its own, the four advert pages and the cover included.
        QSet<QString> labels{place().section(QStringLiteral("　　"), 0, 0)};
        for (int step = 2; step <= kPageCount; ++step) {
            m_window->navigator().GoNext();
            const TPageEntry &e = TPageTable::entry(m_window->navigator().currentPage());
            const QString label = place().section(QStringLiteral("　　"), 0, 0);
            QVERIFY2(!label.isEmpty() && !labels.contains(label), qPrintable(place()));
            labels.insert(label);
            QVERIFY(label.startsWith(QString::fromUtf8(e.heading).simplified()));
            QVERIFY2(place().endsWith(QStringLiteral("第 %1 / 42 页").arg(step)), qPrintable(place()));
        }
        QCOMPARE(m_window->frameGeometry().size(), QSize(1058, 598));
    }

    // Answers in a random order, an item answered twice counting once; Reset returns to 0.
    void progressCountsAnsweredItems_data() { questionnaires_data(); }
    void progressCountsAnsweredItems()
    {
        QFETCH(int, page);
        const Quiz::QuizRecord &r = *Quiz::recordFor(page);
        m_window->navigator().GoToPage(page);
        const bool pairs = r.variant == Quiz::Variant::DrivingForce;
        const int total = pairs ? DrivingForceTest::kPairs : r.questionCount;
        const auto expected = [&](int n) {
            return (pairs ? QStringLiteral("已完成 %1 / %2 组") : QStringLiteral("已答 %1 / %2 题")).arg(n).arg(total);
        };
        QCOMPARE(progress(), expected(0));
        const QVector<int> order = shuffled(total, m_random);
        const int answered = 1 + m_random.bounded(total);
        for (int i = 0; i < answered; ++i) {
            answer(r, order[i]);
            if (i > 0 && m_random.bounded(4) == 0)
                answer(r, order[m_random.bounded(i)]);
            QCOMPARE(progress(), expected(i + 1));
        }
        m_window->navigator().GoNext();
        m_window->navigator().GoToPage(page);
        QCOMPARE(progress(), expected(0));
    }

    // After an incomplete finish exactly the missing items are marked and the first is in sight;
    // answering one clears its mark, and a finish that goes through, or Reset, clears them all.
    void finishMarksWhatIsMissing_data() { questionnaires_data(); }
    void finishMarksWhatIsMissing()
    {
        QFETCH(int, page);
        const Quiz::QuizRecord &r = *Quiz::recordFor(page);
        m_window->navigator().GoToPage(page);
        const bool pairs = r.variant == Quiz::Variant::DrivingForce;
        const int total = pairs ? DrivingForceTest::kPairs : r.questionCount;
        // The driving-force test finishes once half its boxes hold values: leave more open.
        const QVector<int> order = shuffled(total, m_random);
        const int answered = m_random.bounded(pairs ? total / 2 : total);
        for (int i = 0; i < answered; ++i)
            answer(r, order[i]);
        finish(r);
        const QVector<int> missing = order.mid(answered);
        const auto marked = [&](int item) {
            for (QWidget *w : itemWidgets(r, item))
                if (!MissingMark::isSet(w))
                    return false;
            return true;
        };
        for (int item = 1; item <= total; ++item)
            QCOMPARE(marked(item), missing.contains(item));
        const int firstMissing = *std::min_element(missing.begin(), missing.end());
        QWidget *first = itemWidgets(r, firstMissing).first();
        auto *area = qobject_cast<QScrollArea *>(m_window->centralWidget());
        const QRect seen(QPoint(0, m_window->scrollPosition()), area->viewport()->size());
        QVERIFY(seen.contains(QRect(first->mapTo(area->widget(), QPoint()), QSize(1, first->height()))));

        answer(r, missing.first());
        QVERIFY(!marked(missing.first()));
        if (missing.size() > 1) {
            for (int item : missing.mid(1))
                answer(r, item);
            QVERIFY(!marked(missing.last()));
        }
        finish(r);
        for (int item = 1; item <= total; ++item)
            QVERIFY(!marked(item));

        finish(r);   // complete: nothing to mark
        m_window->navigator().GoNext();
        m_window->navigator().GoToPage(page);
        finish(r);   // fresh page: everything marked, then Reset clears it
        QVERIFY(marked(1) && marked(total));
        m_window->navigator().GoNext();
        m_window->navigator().GoToPage(page);
        QVERIFY(!marked(1) && !marked(total));
    }

    // Every item answered at random: the chart appears clear of the page's other blocks, and the
    // numbers it draws are the ones the fields show; Reset hides it again.
    void chartDrawsTheFieldsNumbers_data()
    {
        QTest::addColumn<int>("page");
        for (const Quiz::QuizRecord &r : Quiz::records())
            for (int round = 1; round <= 3; ++round)
                QTest::addRow("%s #%d", r.data, round) << int(r.page);
    }
    void chartDrawsTheFieldsNumbers()
    {
        QFETCH(int, page);
        const Quiz::QuizRecord &r = *Quiz::recordFor(page);
        m_window->navigator().GoToPage(page);
        QWidget *p = m_window->page(page);
        auto *chart = p->findChild<ResultChart *>("ResultChart");
        QVERIFY(chart && !chart->isVisibleTo(p));
        const bool pairs = r.variant == Quiz::Variant::DrivingForce;
        for (int item = 1; item <= (pairs ? DrivingForceTest::kPairs : r.questionCount); ++item)
            answer(r, item);
        finish(r);
        QVERIFY(chart->isVisibleTo(p));
        QVERIFY(chart->geometry().bottom() < TPageTable::entry(page).layoutHeight);
        for (QWidget *w : p->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QVERIFY2(w == chart || !w->isVisibleTo(p) || !w->geometry().intersects(chart->geometry()),
                     qPrintable(QStringLiteral("%1 %2 %3").arg(w->objectName()).arg(w->y()).arg(chart->geometry().bottom())));

        const Quiz::ChartModel &m = chart->model();
        QStringList drawn, shown;
        switch (m.kind) {
        case Quiz::ChartModel::Kind::Scale: {
            drawn << scoreWithUnit(m.score);
            shown << fieldText(page, QString::fromLatin1(r.scoreField));
            QCOMPARE(m.low, r.variant == Quiz::Variant::FixedLine ? 15 : m.low);
            QCOMPARE(m.high, r.variant == Quiz::Variant::FixedLine ? 75 : m.high);
            for (int i = 0; i < m.bands.size(); ++i)
                if (m.bands[i].low <= m.score && m.score <= m.bands[i].high) {
                    QVERIFY(!m.bands[i].name.isEmpty());
                    drawn << r.text(QStringLiteral("verdict%1").arg(i + 1));
                    shown << fieldText(page, QString::fromLatin1(r.resultBox));
                }
            break;
        }
        case Quiz::ChartModel::Kind::Marks: {
            int right = 0;
            for (const Quiz::ChartItem &item : m.items)
                right += item.value;
            drawn << r.text(QStringLiteral("count.line")).arg(right).arg(m.items.size() - right);
            shown << fieldText(page, QString::fromLatin1(Quiz::CountLineTest::kCountField));
            break;
        }
        case Quiz::ChartModel::Kind::Bars: {
            int maxima = 0;
            for (int d = 0; d < 9; ++d) {
                drawn << scoreWithUnit(m.items[d].value);
                shown << fieldText(page, DrivingForceTest::totalField(DrivingForceTest::kDrivers[d]));
                QVERIFY(QList<int>({21, 24, 27}).contains(m.items[d].maximum));
                maxima += m.items[d].maximum;
            }
            QCOMPARE(maxima, 3 * DrivingForceTest::kBoxes);
            break;
        }
        case Quiz::ChartModel::Kind::Columns:
            for (const Quiz::ChartItem &item : m.items) {
                drawn << QString::number(item.value);
                shown << fieldText(page, Quiz::LetterCountTest::field(item.label.at(0).toLatin1()));
            }
            QCOMPARE(m.items.size(), 6);
            break;
        case Quiz::ChartModel::Kind::Balances:
            for (int pair = 0; pair < 3; ++pair) {
                drawn << QString::number(m.items[pair].value) << QString::number(m.items[pair].other);
                shown << fieldText(page, Quiz::TallyTest::totalFields().at(2 * pair))
                      << fieldText(page, Quiz::TallyTest::totalFields().at(2 * pair + 1));
            }
            break;
        }
        QCOMPARE(drawn, shown);
        QVERIFY(chart->accessibleDescription().contains(QString::number(m.kind == Quiz::ChartModel::Kind::Scale ? m.score : m.items.last().value)));

        m_window->navigator().GoNext();
        m_window->navigator().GoToPage(page);
        QVERIFY(!chart->isVisibleTo(p));
    }

    // The proposed file is named by the test and the date, year first, in the Documents folder;
    // the page holds the date and time, the score and the verdict.
    void reportNameAndText()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        ResultReport::Content content;
        content.fileStem = QStringLiteral("EQ测评结果");
        content.title = QStringLiteral("《EQ测评结果》");
        content.when = QDateTime(QDate(2026, 3, 7), QTime(9, 5));
        content.lines = {QStringLiteral("测试结果：128 分")};
        content.verdict = Quiz::recordFor(1)->text(QStringLiteral("verdict2"));
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("report.pdf"));
        QString proposed;
        ResultReport::setFileChooser([&](QWidget *, const QString &name) { proposed = name; return file; });
        ResultReport::save(nullptr, content);
        ResultReport::setFileChooser({});
        QCOMPARE(QFileInfo(proposed).fileName(), QStringLiteral("EQ测评结果 2026-03-07.pdf"));
        QCOMPARE(QFileInfo(proposed).absolutePath(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        const QString text = pdfText(pdftotext, file);
        for (const QString &part : {QStringLiteral("测评时间：2026年3月7日 09:05"), QStringLiteral("测试结果：128 分"), content.verdict})
            QVERIFY2(text.contains(bare(part)), qPrintable(part + QStringLiteral(" / ") + text.left(300)));
    }

    // The saved report holds the title and the result as the fields show it; a file that cannot
    // be written gives a message naming it and leaves nothing behind.
    void reportIsSavedAsPdf_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("target");   // what stands under the chosen name
        QTest::newRow("EQ score") << 1 << "ed_df2" << "new";
        QTest::newRow("driver total") << 8 << "Edit_c" << "new";
        QTest::newRow("missing folder") << 3 << "ed_df3" << "missing folder";
        QTest::newRow("a FIFO") << 3 << "ed_df3" << "fifo";
    }
    void reportIsSavedAsPdf()
    {
        QFETCH(int, page);
        QFETCH(QString, field);
        QFETCH(QString, target);
        const bool writable = target == QLatin1String("new");
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (writable && pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const Quiz::QuizRecord &r = *Quiz::recordFor(page);
        m_window->navigator().GoToPage(page);
        for (int item = 1; item <= (r.variant == Quiz::Variant::DrivingForce ? DrivingForceTest::kPairs : r.questionCount); ++item)
            answer(r, item);
        finish(r);
        QTemporaryDir dir;
        const QString file = dir.filePath(target == QLatin1String("missing folder") ? QStringLiteral("missing/结果.pdf")
                                                                                   : QStringLiteral("结果.pdf"));
        if (target == QLatin1String("fifo"))
            QVERIFY(::mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
        QString proposed;
        ResultReport::setFileChooser([&](QWidget *, const QString &name) { proposed = name; return file; });
        auto *save = m_window->page(page)->findChild<QPushButton *>("SaveResult");
        const auto seen = TestSupport::expectModal([save] { QTest::mouseClick(save, Qt::LeftButton); });
        ResultReport::setFileChooser({});
        // Named by the questionnaire's short name, not by the page heading.
        const QString title = r.text(QStringLiteral("name"));
        QVERIFY2(QFileInfo(proposed).fileName().startsWith(title), qPrintable(proposed));
        QVERIFY(!QFileInfo(proposed).fileName().contains(QString::fromUtf8(TPageTable::entry(page).heading).simplified()));
        QCOMPARE(QFileInfo(file).isFile(), writable);
        QCOMPARE(seen.shown, !writable);
        if (!writable) {
            QVERIFY(seen.text.contains(QStringLiteral("结果.pdf")));
            QCOMPARE(seen.title, QStringLiteral("保存失败"));
            QVERIFY2(seen.text.contains(target == QLatin1String("fifo") ? QStringLiteral("不是普通文件") : QStringLiteral("不存在")),
                     qPrintable(seen.text));
            if (target == QLatin1String("fifo")) {   // still the pipe it was
                struct stat info {};
                QVERIFY(::stat(QFile::encodeName(file).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
            }
            return;
        }
        const QString text = pdfText(pdftotext, file);
        QVERIFY2(text.contains(bare(title)), qPrintable(text.left(200)));
        QVERIFY2(text.contains(bare(fieldText(page, field))), qPrintable(text.left(400)));
        if (*r.resultBox) {
            const QString verdict = m_window->page(page)->findChild<QPlainTextEdit *>(r.resultBox)->toPlainText();
            QVERIFY(!verdict.trimmed().isEmpty());
            QVERIFY2(text.contains(bare(verdict)), qPrintable(text.left(600)));
        }
        // The answers given are listed, up to the last question or pair.
        const int last = r.variant == Quiz::Variant::DrivingForce ? DrivingForceTest::kPairs : r.questionCount;
        QVERIFY2(text.contains(r.variant == Quiz::Variant::DrivingForce ? QStringLiteral("第%1组").arg(last)
                                                                       : QStringLiteral("%1.").arg(last)),
                 qPrintable(text.right(400)));
    }
};

PATHORA_TEST_MAIN(TestAnswering)
#include "tst_answering.moc"
