// The program as main() starts it (the same start-up), then a scripted reader: every page, one questionnaire taken,
// one web link clicked (caught by a handler, so no browser starts), the window closed. Run under
// strace by tst_footprint to see what the program touches.
#include "app/startup.h"
#include "book/linktable.h"
#include "ui/mainwindow.h"
#include "ui/widgets/choicegroup.h"
#include "ui/widgets/linklabel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <cstdio>

namespace {
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    int caught = 0;
public slots:
    void open(const QUrl &) { ++caught; }
};
} // namespace

int main(int argc, char **argv)
{
    return Startup::run(argc, argv, [](QApplication &app, TForm2 &window) {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        // Any message box the session meets is answered at once.
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                box->buttons().first()->click();
        });
        answer.start(10);

        bool answered = false;
        QTimer::singleShot(0, [&] {
            for (PageId id = 1; id <= kPageCount; ++id) {
                window.navigator().GoToPage(id);
                window.repaint();
            }
            window.navigator().GoToPage(1);   // the EQ test: the first option everywhere, then Finish
            QWidget *page = window.page(1);
            for (ChoiceGroup *g : page->findChildren<ChoiceGroup *>())
                g->option(0)->click();
            answered = !page->findChildren<ChoiceGroup *>().isEmpty();
            page->findChild<QPushButton *>(QStringLiteral("Button1_1"))->click();
            window.navigator().GoToPage(kStartPage);
            for (LinkLabel *link : window.page(kStartPage)->findChildren<LinkLabel *>()) {
                if (TLinkTable::row(link->link()).kind == TLinkKind::WebLink) {
                    QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
                    break;
                }
            }
            window.close();
        });
        const int status = app.exec();
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        std::printf("session: %d pages, questionnaire %s, %d web link(s) caught\n", kPageCount,
                    answered ? "answered" : "missing", catcher.caught);
        return status == 0 && answered && catcher.caught == 1 ? 0 : 1;
    });
}

#include "session.moc"
