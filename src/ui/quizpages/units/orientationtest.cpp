// The career orientation test on TabSheet9: sixty yes/no statements counted by interest letter.
#include "ui/quizpages/units.h"

#include <QPlainTextEdit>

using namespace UnitSupport;
using namespace PageGeometry;

namespace {
const char *const kData = ":/data/orientation.txt";

// Question n belongs to letter (n - 1) mod 6 of this order.
const char kLetters[] = "RCESAI";

class OrientationTest : public TQuestionnaire {
public:
    OrientationTest() : TQuestionnaire(9) { HasResultBox = false; }

    static QString field(char letter) { return QChar(letter) + QStringLiteral("_edit"); }

protected:
    QString incompleteMessage(const QString &) const override
    {
        return QStringLiteral("有些题目未被选中,可能影响测试结果！");
    }

    void writeResult(int, IQuestionnaireView &view) override
    {
        for (int letter = 0; letter < 6; ++letter) {
            int count = 0;
            for (int n = letter + 1; n <= Questions.size(); n += 6)
                if (question(n).AnswerIndex == 0)
                    ++count;
            view.setFieldText(field(kLetters[letter]), QString::number(count));
        }
    }

    QStringList fieldsClearedOnReset() const override
    {
        QStringList fields;
        for (int letter = 0; letter < 6; ++letter)
            fields << field(kLetters[letter]);
        return fields;
    }
};
} // namespace

std::unique_ptr<TQuestionnaire> Units::orientationModel()
{
    auto model = std::make_unique<OrientationTest>();
    for (int n = 1; n <= 60; ++n)
        model->Questions.append(question(n, prompt(kData, n),
                                         {QString::fromUtf8("是"), QString::fromUtf8("否")}, 2, {0, 0}));
    return model;
}

QuestionnairePage *Units::orientationPage(QWidget *page)
{
    auto *p = new QuestionnairePage(page, orientationModel(), contentTop(9));
    p->text(text(kData, "intro"), QuestionnaireFonts::intro());
    p->questions(1, 60, QuestionnairePage::Prompt::Beside, numbered("RadioGroup", 60));
    p->gap(6);
    p->finishButton(QStringLiteral("Button9_1"));

    const QString legend = QString::fromUtf8("说明：\n\n R 项    分值：\n\n C 项    分值：\n\n E 项    分值：\n\n"
                                             " S 项    分值： \n\n A 项    分值：\n\n I  项    分值：");
    const QPlainTextEdit *memo10 = p->textBox(QStringLiteral("Memo10"), legend, QuestionnaireFonts::heading(), 0,
                                              kColumnLeft, 170);
    QStringList fields;
    for (const char *l = kLetters; *l; ++l)
        fields << OrientationTest::field(*l);
    p->fieldsOnLines(memo10, {2, 4, 6, 8, 10, 12}, fields, kColumnLeft + 170, 80, false);
    p->text(QString::fromUtf8("接着，根据每项得分的多少,用排在前三位的字母项来测试自己的职业取向："),
            QuestionnaireFonts::heading());
    p->gap(6);
    p->text(QString::fromUtf8("CM---职业取向评估参考资料"), QuestionnaireFonts::heading(), Qt::AlignHCenter);
    p->textBox(QStringLiteral("Memo11"), text(kData, "reference"), QuestionnaireFonts::intro(),
               qMax(240, contentBottom(9) - p->y() - 10));
    return p;
}
