// The career driving-force test on TabSheet8: paired statements with coupled score boxes, and the
// nine driver totals beside their legend and explanations.
#include "ui/quizpages/questionnaires.h"

#include "book/quiz/drivingforce.h"
#include "ui/pagebuilder.h"
#include "ui/questionnairepage.h"
#include "book/texts.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace PageGeometry;

namespace {

void layOutTotals(QuestionnairePage &page, const Quiz::QuizRecord &r);

QComboBox *makeScoreBox(QWidget *page, const QString &name, QCompleter *standIn)
{
    auto *box = new QComboBox(page);
    box->setObjectName(name);
    box->addItems({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    // Four one-digit items need no completion. An editable box made the usual way costs several
    // times the memory of one given its own line edit, and a combo box makes a completer of its
    // own for a line edit that has none: the boxes of a page share one stand-in until it goes.
    auto *edit = new QLineEdit;
    edit->setCompleter(standIn);
    box->setLineEdit(edit);
    box->lineEdit()->setMaxLength(DrivingForceTest::kMaxTextLength);
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCurrentIndex(-1);
    box->setEditText(QString());
    return box;
}
} // namespace

void Questionnaires::layOutDrivingForce(QuestionnairePage &page, const Quiz::QuizRecord &r)
{
    auto *test = static_cast<DrivingForceTest *>(&page.test());
    QuestionnairePage *p = &page;

    // The statements as one text; each score box sits on the empty line below its statement.
    QStringList lines;
    QVector<int> boxLines;
    for (int i = 0; i < DrivingForceTest::kBoxes; ++i) {
        const DrivingForceTest::Box &b = test->box(i);
        const QString statement = r.text(QStringLiteral("p%1.%2").arg(b.pair).arg(b.first ? 1 : 2));
        lines << (b.first ? QStringLiteral("%1．%2  %3").arg(b.pair).arg(QChar(b.driver)).arg(statement)
                          : QStringLiteral("　　%1  %2").arg(QChar(b.driver)).arg(statement));
        boxLines << static_cast<int>(lines.size());
        lines << QString();
    }
    QPlainTextEdit *memo6 = p->textBox(QStringLiteral("Memo6"), lines.join(QLatin1Char('\n')),
                                       {kFaceSans, 15, false, false, {}}, 0, kColumnLeft, kColumnWidth, p->fold());
    // The boxes on the lines of the first view now, the others once the whole text is measured.
    const auto placeBoxes = [=](int first, const QVector<int> &boxTops) {
        auto *standIn = new QCompleter(p->page());
        for (int i = first; i < boxTops.size(); ++i) {
            const DrivingForceTest::Box &b = test->box(i);
            QComboBox *box = makeScoreBox(p->page(), b.name, standIn);
            // A screen reader names the box by its pair, letter and statement.
            box->setAccessibleName(r.text(QStringLiteral("box.name"))
                                       .arg(b.pair)
                                       .arg(QChar(b.driver))
                                       .arg(r.text(QStringLiteral("p%1.%2").arg(b.pair).arg(b.first ? 1 : 2))));
            box->setGeometry(kColumnLeft + (b.first ? 44 : 52), boxTops[i] - 1, 64, 24);
            p->registerField(b.name, box);
            p->registerItemWidget(b.pair, box);
            QObject::connect(box, &QComboBox::activated, p, [=](int item) {
                test->readerChanged(i, box->itemText(item), *p);
                p->answerChanged();
            });
            QObject::connect(box->lineEdit(), &QLineEdit::textEdited, p, [=](const QString &typed) {
                test->readerChanged(i, typed, *p);
                p->answerChanged();
            });
        }
        delete standIn;
    };
    // A first view that ends above the statements (a small window at a large scale) leaves the
    // box itself for later: every score box then waits for it.
    const QVector<int> firstTops = memo6 ? PageBuilder::lineTops(memo6, boxLines, p->fold() == INT_MAX ? INT_MAX : p->fold() - memo6->y())
                                         : QVector<int>{};
    placeBoxes(0, firstTops);
    p->then([=, &r] {
        auto *statements = p->page()->findChild<QPlainTextEdit *>(QStringLiteral("Memo6"), Qt::FindDirectChildrenOnly);
        placeBoxes(int(firstTops.size()), PageBuilder::lineTops(statements, boxLines));
        layOutTotals(*p, r);
    });
}

namespace {

// Totals: the legend with a field beside each line, the explanations to the right, the chart.
void layOutTotals(QuestionnairePage &page, const Quiz::QuizRecord &r)
{
    QuestionnairePage *p = &page;
    p->gap(4);
    p->finishButton(QString::fromLatin1(r.button));

    const QStringList names = TextData::lines(r.text(QStringLiteral("legend")));
    QStringList legend;
    QVector<int> legendLines;
    QStringList fields;
    for (int d = 0; d < 9; ++d) {
        legendLines << static_cast<int>(legend.size());
        legend << QStringLiteral("%1 %2：").arg(QChar(DrivingForceTest::kDrivers[d]), names.value(d));
        legend << QString();
        fields << DrivingForceTest::totalField(DrivingForceTest::kDrivers[d]);
    }
    legend.removeLast();
    const int top = p->y();
    const FontSpec legendFont{kFaceSans, 15, true, false, {}};
    QPlainTextEdit *memo8 = p->textBox(QStringLiteral("Memo8"), legend.join(QLatin1Char('\n')), legendFont, 0,
                                             kColumnLeft, 120);
    p->fieldsOnLines(memo8, legendLines, fields, kColumnLeft + 120, 80, true);
    const int legendBottom = p->y();
    p->setY(top);
    p->textBox(QStringLiteral("Memo7"), r.text(QStringLiteral("explain")), QuestionnaireFonts::intro(), 0, kColumnLeft + 230,
               kColumnWidth - 230);
    p->setY(qMax(p->y(), legendBottom));
    p->resultChart(r);
}

} // namespace
