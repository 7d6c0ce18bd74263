// The window's first size and place on common screens at common scale factors, and the sharp
// pictures of scaled screens. The scale factor is fixed when the application starts, so each case
// runs this program again as a child that opens the window and reports what it sees.
#include "testsupport.h"

#include "ui/mainwindow.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

const char *const kProbe = "PATHORA_SCREENFIT_PROBE";

QJsonArray rect(const QRect &r)
{
    return {r.x(), r.y(), r.width(), r.height()};
}

QRect rect(const QJsonValue &v)
{
    const QJsonArray a = v.toArray();
    return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
}

// The child: opens the window as the program does and prints one JSON line.
int probe(int argc, char **argv)
{
    QApplication app(argc, argv);
    auto window = TestSupport::makeWindow();
    QApplication::processEvents();
    const QMenuBar *menu = window->menuBar();
    const auto *area = window->findChild<QScrollArea *>();
    QPixmap cover;   // the widest picture of the cover page
    for (const QLabel *label : window->page(36)->findChildren<QLabel *>())
        if (label->pixmap().deviceIndependentSize().width() > cover.deviceIndependentSize().width())
            cover = label->pixmap();
    const QJsonObject report{
        {"free", rect(window->screen()->availableGeometry())},
        {"frame", rect(window->frameGeometry())},
        {"menu", rect(QRect(menu->mapToGlobal(QPoint()), menu->size()))},
        {"menuVisible", menu->isVisible()},
        {"reach", area->viewport()->width() + area->horizontalScrollBar()->maximum()},
        {"coverSize", rect(QRect(QPoint(), cover.deviceIndependentSize().toSize()))},
        {"coverRatio", cover.devicePixelRatio()},
    };
    std::puts(QJsonDocument(report).toJson(QJsonDocument::Compact).constData());
    return 0;
}

} // namespace

class TestScreenFit : public QObject {
    Q_OBJECT
private slots:
    void opensWhollyOnScreen_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("fullSize");   // 1058 x 598 fits the screen's logical size
        const QSize laptop(1280, 800), desktop(1920, 1080);
        QTest::newRow("1280x800 100%") << "1" << laptop << true;
        QTest::newRow("1280x800 125%") << "1.25" << laptop << false;   // 1024 px wide
        QTest::newRow("1280x800 150%") << "1.5" << laptop << false;
        QTest::newRow("1280x800 200%") << "2" << laptop << false;
        QTest::newRow("1920x1080 100%") << "1" << desktop << true;
        QTest::newRow("1920x1080 125%") << "1.25" << desktop << true;
        QTest::newRow("1920x1080 150%") << "1.5" << desktop << true;
        QTest::newRow("1920x1080 200%") << "2" << desktop << false;    // 540 px high
    }
    void opensWhollyOnScreen()
    {
        QFETCH(QString, scale);
        QFETCH(QSize, screen);
        QFETCH(bool, fullSize);
        QTemporaryDir dir;
        const QString config = dir.filePath(QStringLiteral("screen.json"));
        QFile file(config);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral(R"({"screens":[{"name":"s","x":0,"y":0,"width":%1,"height":%2,"logicalDpi":96}]})")
                       .arg(screen.width())
                       .arg(screen.height())
                       .toUtf8());
        file.close();

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QLatin1String(kProbe), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 0);
        const QByteArray out = child.readAllStandardOutput();
        const QJsonObject seen = QJsonDocument::fromJson(out.mid(out.lastIndexOf('{'))).object();
        QVERIFY2(!seen.isEmpty(), out.constData());

        const QRect free = rect(seen["free"]), frame = rect(seen["frame"]);
        QVERIFY(qAbs(free.width() * scale.toDouble() - screen.width()) <= 1);   // the case is what it says
        QCOMPARE(frame.size() == QSize(1058, 598), fullSize);
        QCOMPARE(frame.size(), QSize(1058, 598).boundedTo(free.size()));
        QVERIFY2(free.contains(frame), out.constData());
        QVERIFY(qAbs(frame.center().x() - free.center().x()) <= 1 && qAbs(frame.center().y() - free.center().y()) <= 1);
        QVERIFY(seen["menuVisible"].toBool());
        QVERIFY(frame.contains(rect(seen["menu"])));
        QVERIFY(seen["reach"].toInt() >= 1025);   // the right strip can be scrolled to

        // Same logical size at every scale; on scaled screens a bitmap of the screen's own pixels.
        QCOMPARE(rect(seen["coverSize"]).size(), QSize(630, 893));
        QCOMPARE(seen["coverRatio"].toDouble(), scale.toDouble());
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(kProbe))
        return probe(argc, argv);
    QCoreApplication app(argc, argv);
    TestScreenFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screenfit.moc"
