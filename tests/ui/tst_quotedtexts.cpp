// The texts the book promises word for word, written out here and compared with what each page
// shows: option labels, field labels, button captions, headings and instructions. A typo in the
// data files fails here. (Messages and verdicts are pinned by the questionnaire model tests.)
#include "ui/mainwindow.h"
#include "ui/widgets/choicegroup.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

namespace {

QString u(const char *s)
{
    return QString::fromUtf8(s);
}

QStringList split(const char *labels)
{
    return u(labels).split(QLatin1Char('|'));
}

// Every text a reader can read on a page: labels, buttons and text boxes.
QStringList textsOn(QWidget *page)
{
    QStringList texts;
    for (QLabel *l : page->findChildren<QLabel *>())
        texts << l->text();
    for (QAbstractButton *b : page->findChildren<QAbstractButton *>())
        texts << b->text();
    for (QPlainTextEdit *e : page->findChildren<QPlainTextEdit *>())
        texts << e->toPlainText();
    return texts;
}

} // namespace

class TestQuotedTexts : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TForm2> m_window;

private slots:
    void initTestCase() { m_window = TestSupport::makeWindow(); }
    void cleanupTestCase() { m_window.reset(); }

    void optionLabels_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QStringList>("labels");
        const auto eq = [](std::initializer_list<int> questions, const char *labels) {
            for (int k : questions)
                QTest::addRow("EQ %d", k) << 1 << QStringLiteral("rdgp1_%1").arg(k) << split(labels);
        };
        eq({1, 3, 7, 8}, "A.是的|B.不一定|C.不是的");
        eq({2}, "A.和从前相仿|B.不一定|C.和从前不一样");
        eq({4}, "A.不是的|B.不一定|C.是的");
        eq({5}, "A.从未如此|B.偶尔如此|C.经常如此");
        eq({6}, "A.我仍能专心工作|B.介于A、C之间|C.我不能专心工作且感到愤怒");
        eq({9, 10}, "A.是的|B.介于A、C之间|C.不是的");
        eq({11}, "A.是的|B.不太确定|C.不是的");
        eq({12}, "A.极易入睡|B.介于A、C之间|C.不易入睡");
        eq({13}, "A.不露声色|B.介于A、C之间|C.大声抗议，以泄己愤");
        eq({14, 15}, "A.不是的|B.介于A、C之间|C.是的");
        eq({16}, "A.不是的|B.不太确定|C.是的");
        eq({17}, "A.从来没有|B.偶尔有过|C.这是常有的事");
        eq({18, 19}, "A.没有|B.记不清|C.有");
        eq({20}, "A.从来没有想过|B.偶尔想到过|C.经常想到");
        eq({21}, "A.否|B.说不清楚|C.是");
        eq({22}, "A.否|B.不清楚|C.是");
        eq({23, 24, 25}, "A.否|B.偶尔是|C.是");
        eq({26, 27, 28, 29}, "是|否");
        eq({30, 31, 32, 33}, "从不|几乎不|一半时间是|大多数时间是|总是");

        const char *character[15] = {
            "A、草莓|B、苹果|C、西瓜|D、菠萝|E、橘子", "A、郊外|B、电影院|C、公园|D、商场|E、酒吧|F、练歌房",
            "A、有才气的人|B、依赖你的人|C、优雅的人|D、善良的人|E、性情豪放的人", "A、猫|B、马|C、大象|D、猴子|E、狗|F、狮子",
            "A、游泳|B、喝冷饮|C、开空调", "A、蛇|B、猪|C、老鼠|D、苍蝇",
            "A、悬疑推理类|B、童话神话类|C、自然科学类|D、伦理道德类|E、 战争枪战", "A、打火机|B、口红|C、记事本|D、纸巾|E、手机",
            "A、火车|B、自行车|C、汽车|D、飞机|E、步行", "A、紫|B、黑|C、蓝|D、白|E、黄|F、红",
            "A、瑜珈|B、自行车|C、乒乓球|D、拳击|E、足球|F、蹦极", "A、湖边|B、草原|C、海边|D、森林|E、城中区",
            "A、雪|B、风|C、雨|D、雾|E、雷电", "A、七层|B、一层|C、二十三层|D、十八层|E、三十层",
            "A、丽江|B、拉萨|C、昆明|D、西安|E、杭州|F、北京"};
        for (int k = 1; k <= 15; ++k)
            QTest::addRow("character %d", k) << 3 << QStringLiteral("rdgp3_%1").arg(k) << split(character[k - 1]);
        for (int k : {1, 10})
            QTest::addRow("stress quiz %d", k) << 5 << QStringLiteral("rdg5_%1").arg(k) << split("是|否");
        for (int k : {1, 20})
            QTest::addRow("stress test %d", k) << 6 << QStringLiteral("rdgp6_%1").arg(k) << split("是|不是");
        for (int k : {1, 50})
            QTest::addRow("PSTRI %d", k) << 7 << QStringLiteral("RadioGroup%1").arg(10 + k) << split("总是|经常|有时|很少");
        for (int k : {1, 60})
            QTest::addRow("orientation %d", k) << 9 << QStringLiteral("RadioGroup%1").arg(60 + k) << split("是|否");
    }
    void optionLabels()
    {
        QFETCH(int, page);
        QFETCH(QString, group);
        QFETCH(QStringList, labels);
        auto *g = m_window->page(page)->findChild<ChoiceGroup *>(group);
        QVERIFY(g);
        QStringList shown;
        for (QRadioButton *b : g->findChildren<QRadioButton *>())
            shown << b->text();
        QCOMPARE(shown, labels);
    }

    void pageTexts_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("text");
        const auto on = [](std::initializer_list<int> pages, const char *text) {
            for (int p : pages)
                QTest::addRow("TabSheet%d %s", p, text) << p << u(text);
        };
        on({1}, "欧美最新500强企业人才测评试题与答案");
        on({1}, "--测测你的EQ(情绪智商)");
        on({1, 2, 3, 4, 5, 6, 7, 8, 9}, "完成");
        on({1, 2, 3, 6, 7}, "测试结果：");
        on({4}, "测试得分：");
        on({4}, "根据自己的实际情况，认真考虑下列问题，从所给备选答案中选出最符合自己的一项。");
        on({3}, "测试说明：");
        on({3}, "测试开始：");
        on({5}, "答案：");
        on({9}, "接着，根据每项得分的多少,用排在前三位的字母项来测试自己的职业取向：");
        on({9}, "CM---职业取向评估参考资料");
        on({10}, "计算总分");
        on({10}, "第一部分：");
        on({10}, "第二部分：\n圈你喜欢的一个词");
        on({10}, "[情绪定向]：");
        on({10}, "[工作作风]：");
        on({10}, "[综 合]：");
        on({37}, "前言");
        on({37}, "声明");
        on({37}, "点击进入测试");
    }
    void pageTexts()
    {
        QFETCH(int, page);
        QFETCH(QString, text);
        QVERIFY2(textsOn(m_window->page(page)).contains(text), qPrintable(text));
    }

    // The driving-force legend names each driver after its letter.
    void driverLegend()
    {
        auto *memo8 = m_window->page(8)->findChild<QPlainTextEdit *>(QStringLiteral("Memo8"));
        QVERIFY(memo8);
        const QStringList names = split("物质报酬|权力影响|意义|专精|创意|亲和|自主|安全|地位");
        for (int d = 0; d < 9; ++d)
            QVERIFY2(memo8->toPlainText().contains(QStringLiteral("%1 %2").arg(QChar('A' + d)).arg(names[d])),
                     qPrintable(names[d]));
    }
};

PATHORA_TEST_MAIN(TestQuotedTexts)
#include "tst_quotedtexts.moc"
