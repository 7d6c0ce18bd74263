#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

class QPainter;
class QPagedPaintDevice;
class QWidget;
class ResultChart;

// The one-page report of a questionnaire's result: title, date and time, the result as the
// fields show it, the verdict, the chart and a closing line. Saved as PDF or printed, only when
// the reader asks.
namespace ResultReport {

struct Content {
    QString title;            // 《short name结果》
    QString fileStem;         // the same without the book-title marks, for the proposed file name
    QDateTime when;
    QStringList lines;        // score or totals, as the fields show them
    QString verdict;
    QString answers;          // every answer given, in question order
    QString historyHeading;   // the latest results kept, newest first, when the reader keeps them
    QStringList history;
    const ResultChart *chart = nullptr;
};

void paint(QPagedPaintDevice &device, const Content &content);

// Writes the PDF to `file` whole or not at all; on failure `error` says why.
bool savePdf(const QString &file, const Content &content, QString *error);

// Asks for a file in the standard save dialog (the title and date proposed, in Documents),
// writes it, and tells the reader when it cannot be written.
void save(QWidget *parent, const Content &content);
// The standard print dialog, then the same page on the printer.
void print(QWidget *parent, const Content &content);

// How the file is chosen; by default the save dialog. An empty answer means cancelled.
using FileChooser = std::function<QString(QWidget *parent, const QString &proposed)>;
void setFileChooser(FileChooser chooser);

} // namespace ResultReport
