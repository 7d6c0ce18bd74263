// The program draws every text with its embedded faces: none of its texts holds a character the
// face drawing it lacks, and the pages look the same on a machine without any CJK font.
#include "testsupport.h"

#include "book/layout/readingpages.h"
#include "book/texts.h"
#include "ui/mainwindow.h"
#include "ui/pagebuilder.h"
#include "ui/platform/fonts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRawFont>
#include <QResource>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr char kRenderTo[] = "PATHORA_TEST_RENDER_TO";

// The window as first shown (menu bar included), then every page of it, as the reader sees them.
QVector<QImage> renderPages()
{
    auto window = TestSupport::makeWindow();
    QVector<QImage> pages{window->grab().toImage()};
    for (PageId id = 1; id <= kPageCount; ++id) {
        window->navigator().GoToPage(id);
        QApplication::processEvents();
        pages.append(window->page(id)->grab().toImage());
    }
    return pages;
}

// The characters of `text` that `font` cannot draw ("'X' U+1234").
QStringList missing(const QRawFont &font, const QString &text)
{
    QStringList out;
    for (const uint c : text.toUcs4())
        if (c >= 0x20 && !QChar::isSpace(c) && !font.supportsCharacter(c)) {
            const QString shown = QString::fromUcs4(reinterpret_cast<const char32_t *>(&c), 1);
            out.append(QStringLiteral("'%1' U+%2").arg(shown).arg(c, 4, 16, QLatin1Char('0')).toUpper());
        }
    out.removeDuplicates();
    return out;
}

class Coverage {
public:
    // `text`, drawn in `font` (or, without one, in each embedded face), holds no character the face lacks.
    void check(const QString &where, const QString &text, const QRawFont &font)
    {
        const QStringList lack = missing(font, text);
        if (!lack.isEmpty())
            problems.append(QStringLiteral("%1 (%2 %3): %4 not in the face").arg(where, font.familyName(), font.styleName(), lack.join(", ")));
    }
    // The face a widget font resolves to must be an embedded one.
    void check(const QString &where, const QString &text, const QFont &font)
    {
        const QRawFont raw = QRawFont::fromFont(font);
        if (!raw.familyName().startsWith(QLatin1String("Pathora "), Qt::CaseInsensitive))
            problems.append(QStringLiteral("%1 is drawn in %2, not an embedded face").arg(where, raw.familyName()));
        else
            check(where, text, raw);
    }
    QStringList problems;
};

} // namespace

class TestFonts : public QObject {
    Q_OBJECT
private slots:
    void builtInTextsHaveTheirGlyphs();
    void pagesLookTheSameWithoutSystemCjkFonts();
};

void TestFonts::builtInTextsHaveTheirGlyphs()
{
    auto window = TestSupport::makeWindow();
    QVector<QRawFont> faces;
    for (const QString &path : Fonts::embeddedFaces())
        faces.append(QRawFont(QResource(path).uncompressedData(), 16));
    QCOMPARE(faces.size(), 4);
    for (const QRawFont &face : faces)
        QVERIFY(face.isValid());

    Coverage coverage;
    // Every entry of every built-in text file (questionnaire items, options, messages, verdicts,
    // articles), in every embedded face: a text may be drawn in any of them.
    QDirIterator files(QStringLiteral(":/data"), {QStringLiteral("*.txt")}, QDir::Files, QDirIterator::Subdirectories);
    int entries = 0;
    while (files.hasNext()) {
        const QString file = files.next();
        const QHash<QString, QString> &texts = TextData::file(file);
        for (auto it = texts.begin(); it != texts.end(); ++it, ++entries)
            for (const QRawFont &face : faces)
                coverage.check(QStringLiteral("%1 @@ %2").arg(file, it.key()), it.value(), face);
    }
    QVERIFY(entries > 300);   // the files were found

    // Every page's blocks, in the face they name.
    for (PageId id = 1; id <= kPageCount; ++id)
        for (const TContentBlock &block : ReadingPages::content(id).blocks)
            if (block.kind != BlockKind::Picture && !block.text.isEmpty())
                coverage.check(QStringLiteral("%1 block \"%2\"").arg(TPageEntry::pageName(id), block.text.left(12)),
                               block.text, PageBuilder::fontOf(block.font));

    // And what the built pages show, in their widgets' fonts (texts set by code included).
    for (PageId id = 1; id <= kPageCount; ++id) {
        for (QWidget *w : window->page(id)->findChildren<QWidget *>()) {
            QString text;
            if (auto *label = qobject_cast<QLabel *>(w))
                text = label->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                text = button->text();
            else if (auto *box = qobject_cast<QPlainTextEdit *>(w))
                text = box->toPlainText();
            else if (auto *line = qobject_cast<QLineEdit *>(w))
                text = line->text();
            else if (auto *combo = qobject_cast<QComboBox *>(w))
                for (int i = 0; i < combo->count(); ++i)
                    text += combo->itemText(i);
            if (!text.isEmpty())
                coverage.check(QStringLiteral("%1 %2 \"%3\"").arg(TPageEntry::pageName(id), w->objectName(), text.left(12)),
                               text, w->font());
        }
    }
    if (!coverage.problems.isEmpty())
        QFAIL(qPrintable(QStringLiteral("%1 problems (run tools/fonts/subset.py after changing a text):\n")
                             .arg(coverage.problems.size())
                         + coverage.problems.mid(0, 20).join(QLatin1Char('\n'))));
}

// Renders the window and its pages again in a process whose fontconfig rejects every font that
// can show Chinese.
void TestFonts::pagesLookTheSameWithoutSystemCjkFonts()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile config(dir.filePath(QStringLiteral("fonts.conf")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <selectfont><rejectfont>
    <pattern><patelt name="lang"><string>zh-cn</string></patelt></pattern>
    <pattern><patelt name="lang"><string>zh-tw</string></patelt></pattern>
    <pattern><patelt name="lang"><string>ja</string></patelt></pattern>
    <pattern><patelt name="lang"><string>ko</string></patelt></pattern>
  </rejectfont></selectfont>
</fontconfig>
)");
    config.close();

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FONTCONFIG_FILE"), config.fileName());
    env.insert(QString::fromLatin1(kRenderTo), dir.path());
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(120000));
    QCOMPARE(child.exitCode(), 0);

    QFile seen(dir.filePath(QStringLiteral("chinese-families.txt")));
    QVERIFY(seen.open(QIODevice::ReadOnly));
    for (const QString &family : QString::fromUtf8(seen.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        QVERIFY2(family.startsWith(QLatin1String("Pathora ")), qPrintable(family + QStringLiteral(" was not hidden")));

    const QVector<QImage> pages = renderPages();
    QStringList differ;
    for (PageId id = 0; id <= kPageCount; ++id) {
        const QString name = id == 0 ? QStringLiteral("window") : TPageEntry::pageName(id);
        const QImage without(dir.filePath(name + QStringLiteral(".png")));
        if (without.convertToFormat(QImage::Format_ARGB32) != pages[id].convertToFormat(QImage::Format_ARGB32))
            differ.append(name);
    }
    QVERIFY2(differ.isEmpty(), qPrintable(QStringLiteral("different without system CJK fonts: ") + differ.join(", ")));
}

// Run with PATHORA_TEST_RENDER_TO=DIR, the program writes the window and its pages to DIR instead of testing,
// with the families that can show Chinese in DIR/chinese-families.txt.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString out = qEnvironmentVariable(kRenderTo);
    if (out.isEmpty()) {
        TestFonts test;
        return QTest::qExec(&test, argc, argv);
    }
    const QVector<QImage> pages = renderPages();
    for (PageId id = 0; id <= kPageCount; ++id) {
        const QString name = id == 0 ? QStringLiteral("window") : TPageEntry::pageName(id);
        if (!pages[id].save(out + QLatin1Char('/') + name + QStringLiteral(".png")))
            return 1;
    }
    QFile families(out + QStringLiteral("/chinese-families.txt"));
    if (!families.open(QIODevice::WriteOnly))
        return 1;
    for (const QString &family : QFontDatabase::families(QFontDatabase::SimplifiedChinese))
        families.write(family.toUtf8() + '\n');
    return 0;
}

#include "tst_fonts.moc"
