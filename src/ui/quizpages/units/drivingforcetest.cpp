// The career driving-force test on TabSheet8: paired statements with coupled score boxes, and the
// nine driver totals beside their legend and explanations.
#include "book/quiz/drivingforce.h"
#include "ui/quizpages/units.h"

#include "ui/pagebuilder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace UnitSupport;
using namespace PageGeometry;

namespace {
const char *const kData = ":/data/drivers.txt";
const char *const kLegend[9] = {"物质报酬", "权力影响", "意义", "专精", "创意", "亲和", "自主", "安全", "地位"};

QComboBox *makeScoreBox(QWidget *page, const QString &name)
{
    auto *box = new QComboBox(page);
    box->setObjectName(name);
    box->addItems({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    // Four one-digit items need no completion, and an editable box made the usual way costs
    // several times the memory of one given its own line edit.
    box->setLineEdit(new QLineEdit);
    box->lineEdit()->setMaxLength(TDrivingForceTest::kMaxTextLength);
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCurrentIndex(-1);
    box->setEditText(QString());
    return box;
}
} // namespace

QString Units::drivingForceStatement(int pair, bool first)
{
    return text(kData, QStringLiteral("p%1.%2").arg(pair).arg(first ? 1 : 2));
}

QuestionnairePage *Units::drivingForcePage(QWidget *page)
{
    auto owned = std::make_unique<TDrivingForceTest>();
    TDrivingForceTest *test = owned.get();
    auto *p = new QuestionnairePage(page, std::move(owned), contentTop(8));
    p->text(text(kData, "intro"), QuestionnaireFonts::introBold());

    // The statements as one text; each score box sits on the empty line below its statement.
    QStringList lines;
    QVector<int> boxLines;
    for (int i = 0; i < TDrivingForceTest::kBoxes; ++i) {
        const TDrivingForceTest::Box &b = test->box(i);
        const QString statement = drivingForceStatement(b.pair, b.first);
        lines << (b.first ? QStringLiteral("%1．%2  %3").arg(b.pair).arg(QChar(b.driver)).arg(statement)
                          : QStringLiteral("　　%1  %2").arg(QChar(b.driver)).arg(statement));
        boxLines << static_cast<int>(lines.size());
        lines << QString();
    }
    const QPlainTextEdit *memo6 = p->textBox(QStringLiteral("Memo6"), lines.join(QLatin1Char('\n')),
                                             {kFaceSans, 15, false, false, {}});
    for (int i = 0; i < TDrivingForceTest::kBoxes; ++i) {
        const TDrivingForceTest::Box &b = test->box(i);
        QComboBox *box = makeScoreBox(page, b.name);
        const int lineTop = PageBuilder::lineTop(memo6, boxLines[i]);
        box->setGeometry(memo6->x() + (b.first ? 44 : 52), lineTop - 1, 64, 24);
        p->registerField(b.name, box);
        QObject::connect(box, &QComboBox::activated, p,
                         [=](int item) { test->readerChanged(i, box->itemText(item), *p); });
        QObject::connect(box->lineEdit(), &QLineEdit::textEdited, p,
                         [=](const QString &typed) { test->readerChanged(i, typed, *p); });
    }
    p->gap(4);
    p->finishButton(QStringLiteral("Button3"));

    // Totals: the legend with a field beside each line, the explanations to the right.
    QStringList legend;
    QVector<int> legendLines;
    QStringList fields;
    for (int d = 0; d < 9; ++d) {
        legendLines << static_cast<int>(legend.size());
        legend << QStringLiteral("%1 %2：").arg(QChar(TDrivingForceTest::kDrivers[d]), QString::fromUtf8(kLegend[d]));
        legend << QString();
        fields << TDrivingForceTest::totalField(TDrivingForceTest::kDrivers[d]);
    }
    legend.removeLast();
    const int top = p->y();
    const TFontSpec legendFont{kFaceSans, 15, true, false, {}};
    const QPlainTextEdit *memo8 = p->textBox(QStringLiteral("Memo8"), legend.join(QLatin1Char('\n')), legendFont, 0,
                                             kColumnLeft, 120);
    p->fieldsOnLines(memo8, legendLines, fields, kColumnLeft + 120, 80, true);
    const int legendBottom = p->y();
    p->setY(top);
    p->textBox(QStringLiteral("Memo7"), text(kData, "explain"), QuestionnaireFonts::intro(), 0, kColumnLeft + 230,
               kColumnWidth - 230);
    p->setY(qMax(p->y(), legendBottom));
    return p;
}
