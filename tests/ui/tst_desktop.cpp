// Qt's own texts in Chinese, the double-size pictures of scaled screens, and the note that offers
// an address the desktop could not open.
#include "testsupport.h"

#include "ui/mainwindow.h"
#include "ui/platform/jpeg.h"
#include "ui/platform/messagebox.h"
#include "ui/platform/pictures.h"
#include "ui/platform/translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

namespace {

// The visible words of a menu entry or button: without its mnemonic and shortcut.
QString words(QString text)
{
    text = text.section(QLatin1Char('\t'), 0, 0);
    text.remove(QRegularExpression(QStringLiteral("\\(&.\\)|&")));
    return text.trimmed();
}

QImage load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return path.endsWith(QLatin1String(".jpg")) ? decodeJpeg(file.readAll()) : QImage::fromData(file.readAll(), "PNG");
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(Translations::installQtChinese(*qApp)); }

    void messageBoxButtonsReadChinese()
    {
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton *b : box->buttons())
                seen << words(b->text());
            box->button(QMessageBox::Cancel)->click();
        });
        MessageBox::noticeOkCancel(nullptr, QStringLiteral("已经是最后一页了！"));
        seen.sort();
        QCOMPARE(seen, QStringList({QStringLiteral("取消"), QStringLiteral("确定")}));
    }

    void contextMenusReadChinese_data()
    {
        QTest::addColumn<bool>("lineEdit");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("one-line field") << true << false;
        QTest::newRow("read-only text box") << false << true;
        QTest::newRow("editable text box") << false << false;
    }
    void contextMenusReadChinese()
    {
        QFETCH(bool, lineEdit);
        QFETCH(bool, readOnly);
        QLineEdit line(QStringLiteral("求职"));
        QPlainTextEdit box(QStringLiteral("求职"));
        line.setReadOnly(readOnly);
        box.setReadOnly(readOnly);
        std::unique_ptr<QMenu> menu(lineEdit ? line.createStandardContextMenu() : box.createStandardContextMenu());
        QStringList entries;
        for (QAction *a : menu->actions())
            if (!a->isSeparator())
                entries << words(a->text());
        QVERIFY(entries.contains(QStringLiteral("复制")));
        QVERIFY(entries.contains(QStringLiteral("全选")));
        for (const QString &e : entries)
            QVERIFY2(!e.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))), qPrintable(e));
    }

    void everyPictureHasADoubleSizeVersion()
    {
        const QDir images(QStringLiteral(":/images"));
        int pairs = 0;
        for (const QString &name : images.entryList(QDir::Files)) {
            if (name.contains(QLatin1String("@2x")))
                continue;
            const QString path = images.filePath(name);
            const QImage one = load(path), two = load(Pictures::doubleSizePath(path));
            QVERIFY2(!one.isNull() && !two.isNull(), qPrintable(name));
            QCOMPARE(two.size(), one.size() * 2);
            ++pairs;
        }
        QVERIFY(pairs >= 7);
    }

    // No browser: the address appears in the status bar, ready to copy; the page stays put.
    void anAddressThatCannotBeOpenedIsOfferedToCopy()
    {
        // Under the offscreen platform the desktop opens nothing unless a handler is set.
        QVERIFY(!QDesktopServices::openUrl(QUrl(QStringLiteral("http://www.norwell.example/"))));
        auto window = TestSupport::makeWindow();
        const auto noteShown = [&] {
            auto *note = window->findChild<QWidget *>(QStringLiteral("AddressNote"));
            return note && note->isVisible();
        };
        QVERIFY(!noteShown());

        window->navigator().GoToPage(1);
        QWidget *link = window->page(1)->findChild<QWidget *>(QStringLiteral("Label149"));
        QVERIFY(link);
        window->findChild<QScrollArea *>()->ensureWidgetVisible(link, 10, 60);
        const int scrolled = window->scrollPosition();
        QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, link->rect().center());

        QStatusBar *bar = window->statusBar();
        QVERIFY(bar->isVisible());
        auto *field = bar->findChild<QLineEdit *>(QStringLiteral("AddressField"));
        QVERIFY(field && field->isVisible() && field->isReadOnly());
        QVERIFY(field->text().startsWith(QLatin1String("http://www.norwell.example")));
        QCOMPARE(window->navigator().currentPage(), 1);
        QCOMPARE(window->scrollPosition(), scrolled);

        QApplication::clipboard()->clear();
        bar->findChild<QPushButton *>(QStringLiteral("CopyAddress"))->click();
        QCOMPARE(QApplication::clipboard()->text(), field->text());
        bar->findChild<QPushButton *>(QStringLiteral("CloseAddressNote"))->click();
        QVERIFY(!noteShown());
    }
};

PATHORA_TEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
