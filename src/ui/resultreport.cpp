#include "ui/resultreport.h"

#include "book/quiz/records.h"
#include "ui/platform/filewriter.h"
#include "ui/platform/messagebox.h"
#include "ui/widgets/resultchart.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace ResultReport {

namespace {

constexpr int kWidth = 800;   // the page in logical units, whatever the device's resolution

QString text(const char *key)
{
    return Quiz::commonText(QString::fromLatin1(key));
}

QString askForFile(QWidget *parent, const QString &proposed)
{
    return QFileDialog::getSaveFileName(parent, text("report.dialog"), proposed, text("report.filter"));
}

FileChooser &chooser()
{
    static FileChooser current = &askForFile;
    return current;
}

QFont fontOf(const QFont &base, int pixelSize, bool bold)
{
    QFont font(base);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace

void paint(QPagedPaintDevice &device, const Content &content)
{
    QPainter p(&device);
    const QRect page(0, 0, device.width(), device.height());   // the printable area
    const double scale = double(page.width()) / kWidth;
    p.scale(scale, scale);
    const int height = int(page.height() / scale);
    const QFont base = content.chart ? content.chart->font() : QFont();
    int y = 0;
    const auto block = [&](const QString &s, int pixelSize, bool bold, int after) {
        p.setFont(fontOf(base, pixelSize, bold));
        const QRect r = p.boundingRect(QRect(0, y, kWidth, 10000), Qt::TextWordWrap, s);
        p.drawText(QRect(0, y, kWidth, r.height()), Qt::TextWordWrap, s);
        y += r.height() + after;
    };
    p.setPen(Qt::black);
    block(content.title, 30, true, 6);
    block(text("report.when").arg(QLocale(QLocale::Chinese, QLocale::China).toString(content.when, QStringLiteral("yyyy年M月d日 HH:mm"))),
          15, false, 18);
    for (const QString &line : content.lines)
        block(line, 18, true, 4);
    y += 10;
    if (!content.verdict.isEmpty())
        block(content.verdict, 16, false, 18);
    if (content.chart) {
        const int chartHeight = content.chart->height();
        content.chart->paintChart(p, QRect(0, y, kWidth, chartHeight));
        y += chartHeight + 18;
    }
    if (!content.answers.isEmpty()) {
        block(text("report.answers"), 14, true, 4);
        block(content.answers, 12, false, 18);
    }
    if (!content.history.isEmpty()) {
        block(content.historyHeading, 14, true, 4);
        block(content.history.join(QLatin1Char('\n')), 13, false, 18);
    }
    y = qMax(y, height - 60);
    p.setPen(QColor(0x55, 0x55, 0x55));
    block(text("report.closing"), 13, false, 0);
}

bool savePdf(const QString &file, const Content &content, QString *error)
{
    // The page is made in memory first, so that a file that cannot be written is left as it was.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(content.title);
        writer.setCreator(QStringLiteral("Pathora"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
        paint(writer, content);
    }
    return FileWriter::write(file, pdf.data(), error);
}

void save(QWidget *parent, const Content &content)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name = content.fileStem + QLatin1Char(' ') + content.when.date().toString(QStringLiteral("yyyy-MM-dd"))
                         + QStringLiteral(".pdf");
    const QString file = chooser()(parent, QDir(folder).filePath(name));
    if (file.isEmpty())
        return;
    QString error;
    if (!savePdf(file, content, &error))
        MessageBox::warning(parent, text("report.failed.title"), text("report.failed").arg(QDir::toNativeSeparators(file), error));
}

void print(QWidget *parent, const Content &content)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(content.title);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted)
        paint(printer, content);
}

void setFileChooser(FileChooser next)
{
    chooser() = next ? std::move(next) : FileChooser(&askForFile);
}

} // namespace ResultReport
