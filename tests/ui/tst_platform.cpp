// Picture decoding, the skin archive and the built-in text files: bad input never crashes and
// never passes for good input.
#include "book/texts.h"
#include "testsupport.h"
#include "ui/platform/filewriter.h"
#include "ui/platform/jpeg.h"
#include "ui/platform/webpage.h"
#include "ui/skin/skin.h"
#include "ui/skin/skinarchive.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QBuffer>
#include <QDesktopServices>
#include <QUrl>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <zlib.h>
extern "C" {
#include <jpeglib.h>
}

namespace {

// A real JPEG made with libjpeg's encoder: left half red, right half blue. A progressive file
// may declare another size in its frame header than the one its scans were made for.
QByteArray makeJpeg(int width, int height, bool progressive = false, QSize declared = {})
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(width) * 3);
    for (int x = 0; x < width; ++x) {
        const bool left = x < width / 2;
        row[x * 3] = left ? 220 : 20;
        row[x * 3 + 1] = 20;
        row[x * 3 + 2] = left ? 20 : 220;
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&info, &r, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray out(reinterpret_cast<const char *>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    const qsizetype frame = out.indexOf("\xff\xc2");
    if (declared.isValid() && frame > 0) {
        out[frame + 5] = char(declared.height() >> 8);
        out[frame + 6] = char(declared.height());
        out[frame + 7] = char(declared.width() >> 8);
        out[frame + 8] = char(declared.width());
    }
    return out;
}

// An archive of `count` entries with one-letter names and no data.
// One entry packed as the archive defines it, whatever the archive's limits.
QByteArray packedUnchecked(const QByteArray &name, const QByteArray &data)
{
    QByteArray raw;
    const auto putU32 = [&raw](quint32 v) {
        for (int i = 0; i < 4; ++i)
            raw.append(char(v >> (8 * i) & 0xff));
    };
    putU32(quint32(name.size()));
    raw.append(name);
    putU32(quint32(data.size()));
    raw.append(data);
    QByteArray out = QByteArrayLiteral("WOODSKIN");
    for (int i = 0; i < 4; ++i)
        out.append(char(quint32(raw.size()) >> (8 * i) & 0xff));
    return out.append(qCompress(raw).mid(4));   // qCompress puts the size before zlib's stream
}

QByteArray archiveOfEntries(int count)
{
    QByteArray raw;
    for (int i = 0; i < count; ++i)
        raw.append("\x01\0\0\0", 4).append(char('a' + i % 26)).append(4, '\0');
    uLongf packedSize = compressBound(uLong(raw.size()));
    QByteArray out = QByteArrayLiteral("WOODSKIN");
    out.append(char(raw.size() & 0xff)).append(char(raw.size() >> 8 & 0xff)).append(char(raw.size() >> 16)).append('\0');
    QByteArray packed(qsizetype(packedSize), Qt::Uninitialized);
    compress2(reinterpret_cast<Bytef *>(packed.data()), &packedSize, reinterpret_cast<const Bytef *>(raw.constData()),
              uLong(raw.size()), 9);
    return out.append(packed.left(qsizetype(packedSize)));
}

QByteArray pngBytes()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::darkYellow);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Catches what OpenWebPage hands to the desktop, for every scheme it might hand over.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void decodesAGoodJpeg_data()
    {
        QTest::addColumn<bool>("progressive");
        QTest::newRow("baseline") << false;
        QTest::newRow("progressive") << true;
    }
    void decodesAGoodJpeg()
    {
        QFETCH(bool, progressive);
        const QImage image = decodeJpeg(makeJpeg(64, 40, progressive));
        QCOMPARE(image.size(), QSize(64, 40));
        QCOMPARE(image.format(), QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)   // RGB32 keeps its unused byte at 0xff
            for (int x = 0; x < image.width(); ++x)
                QCOMPARE(qAlpha(reinterpret_cast<const QRgb *>(image.constScanLine(y))[x]), 255);
        const QColor left = image.pixelColor(8, 20), right = image.pixelColor(56, 20);
        QVERIFY(left.red() > 180 && left.blue() < 60);
        QVERIFY(right.blue() > 180 && right.red() < 60);
    }

    // Pictures of up to 4096 x 2048 pixels (8 388 608) and 8192 on a side are decoded; a row or a
    // column more is refused.
    void jpegSizeCaps_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("decodes");
        QTest::newRow("4096 x 2048") << QSize(4096, 2048) << true;
        QTest::newRow("4096 x 2049") << QSize(4096, 2049) << false;
        QTest::newRow("8192 x 1024") << QSize(8192, 1024) << true;
        QTest::newRow("8193 x 1") << QSize(8193, 1) << false;
    }
    void jpegSizeCaps()
    {
        QFETCH(QSize, size);
        QFETCH(bool, decodes);
        QCOMPARE(decodeJpeg(makeJpeg(size.width(), size.height())).size(), decodes ? size : QSize(0, 0));
    }

    void badJpegDataGivesANullImage_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QByteArray good = makeJpeg(64, 40);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray(2000, '\x5a');
        QTest::newRow("png signature") << QByteArray("\x89PNG\r\n\x1a\n", 8);
        QTest::newRow("start marker only") << good.left(2);
        QTest::newRow("header only") << good.left(200);
        QTest::newRow("truncated half") << good.left(good.size() / 2);
        QTest::newRow("last bytes missing") << good.left(good.size() - 10);
        QByteArray scrambled = good;
        for (qsizetype i = 300; i < scrambled.size() - 2; i += 7)
            scrambled[i] = '\xff';
        QTest::newRow("scrambled scan data") << scrambled;
        // Refused before libjpeg sets up its whole-image buffers (10 GB for the first).
        QTest::newRow("progressive, declares 60000 x 60000") << makeJpeg(64, 40, true, {60000, 60000});
        QTest::newRow("progressive, declares 8000 x 8000") << makeJpeg(64, 40, true, {8000, 8000});
    }
    void badJpegDataGivesANullImage()
    {
        QFETCH(QByteArray, data);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(decodeJpeg(data).isNull());
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    }

    void onlyWebAddressesReachTheDesktop_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("opened");
        QTest::newRow("http") << "http://www.norwell.example/course/" << true;
        QTest::newRow("https") << "https://bbs.norwell.example/" << true;
        QTest::newRow("an option") << "--help" << false;
        QTest::newRow("a path") << "/etc/passwd" << false;
        QTest::newRow("file") << "file:///etc/passwd" << false;
        QTest::newRow("mail") << "mailto:a@norwell.example" << false;
        QTest::newRow("no host") << "http:///x" << false;
        QTest::newRow("empty") << "" << false;
    }
    void onlyWebAddressesReachTheDesktop()
    {
        QFETCH(QString, address);
        QFETCH(bool, opened);
        UrlCatcher catcher;
        const QStringList schemes{"http", "https", "file", "mailto", ""};
        for (const QString &scheme : schemes)
            QDesktopServices::setUrlHandler(scheme, &catcher, "open");
        OpenWebPage(address);
        for (const QString &scheme : schemes)
            QDesktopServices::unsetUrlHandler(scheme);
        QCOMPARE(catcher.opened, opened ? QList<QUrl>{QUrl(address)} : QList<QUrl>{});
    }

    void skinArchiveRoundTrips()
    {
        SkinArchive::Files files{{"wood.qss", "QPushButton { color: red; }"},
                                 {"frame.png", QByteArray(5000, '\x01')},
                                 {"empty", QByteArray()}};
        const auto back = SkinArchive::unpack(SkinArchive::pack(files));
        QVERIFY(back.has_value());
        QCOMPARE(*back, files);
    }

    void corruptSkinArchivesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<bool>("unpacks");     // a sound archive whose contents are not a skin
        const QByteArray good = SkinArchive::pack({{"wood.qss", QByteArray(3000, 'a')}, {"frame.png", "xyz"}});
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("wrong magic") << QByteArray("NOTASKIN").append(good.mid(8)) << false;
        QTest::newRow("truncated") << good.left(good.size() - 5) << false;
        QTest::newRow("magic only") << good.left(8) << false;
        QByteArray flipped = good;
        flipped[flipped.size() / 2] = char(flipped[flipped.size() / 2] ^ 0x55);
        QTest::newRow("flipped byte") << flipped << false;
        QByteArray wrongSize = good;
        wrongSize[8] = char(wrongSize[8] + 1);
        QTest::newRow("declared size off by one") << wrongSize << false;
        QByteArray huge = good;
        huge[11] = '\x7f';
        QTest::newRow("absurd size") << huge << false;
        QTest::newRow("bytes after the stream") << QByteArray(good).append("PK", 2) << false;
        QTest::newRow("a few entries") << archiveOfEntries(20) << true;
        QTest::newRow("256 entries") << archiveOfEntries(256) << true;
        QTest::newRow("257 entries") << archiveOfEntries(257) << false;
        // An entry costs its two length fields and its name beside its data; 512 KiB in all may pass.
        const QByteArray name = QByteArrayLiteral("frame.png");
        const qsizetype atCap = 512 * 1024 - 8 - name.size();
        QTest::newRow("unpacks to 512 KiB") << SkinArchive::pack({{name, QByteArray(atCap, 'x')}}) << true;
        QTest::newRow("unpacks to a byte more") << packedUnchecked(name, QByteArray(atCap + 1, 'x')) << false;
        QTest::newRow("no palette") << SkinArchive::pack({{"wood.qss", "QPushButton {}"}, {"frame.png", pngBytes()}}) << true;
        QTest::newRow("bad colour") << SkinArchive::pack({{"wood.qss", "QPushButton {}"}, {"frame.png", pngBytes()},
                                                          {"wood.palette", "Window = #12zz45"}}) << true;
    }
    void corruptSkinArchivesAreRefused()
    {
        QFETCH(QByteArray, archive);
        QFETCH(bool, unpacks);
        QCOMPARE(SkinArchive::unpack(archive).has_value(), unpacks);
        const QPalette before = qApp->palette();
        QVERIFY(!Skin::apply(*qApp, archive));
        QCOMPARE(qApp->palette(), before);
        QVERIFY(!Skin::isApplied());
    }

    // Only a new name or an ordinary file is written; whatever else stands under the name stays
    // as it was, and a file that could not be replaced keeps its old bytes.
    void filesAreWrittenWholeOrNotAtAll_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("cause");    // empty: written
        QTest::newRow("new name") << "new" << "";
        QTest::newRow("ordinary file") << "file" << "";
        QTest::newRow("link to a file") << "link" << "";
        QTest::newRow("FIFO") << "fifo" << "不是普通文件";
        QTest::newRow("socket") << "socket" << "不是普通文件";
        QTest::newRow("folder") << "folder" << "不是普通文件";
        QTest::newRow("dangling link") << "dangling" << "不是普通文件";
        QTest::newRow("missing folder") << "missing" << "不存在";
        QTest::newRow("full disk") << "full" << "空间不足";
        QTest::newRow("read-only place") << "readonly" << "只读";
    }
    void filesAreWrittenWholeOrNotAtAll()
    {
        QFETCH(QString, target);
        QFETCH(QString, cause);
        QTemporaryDir dir;
        QString place = dir.path();
        // A small file system of its own (root only): filled up, or mounted read-only.
        struct Mount {
            QString at;
            ~Mount() { if (!at.isEmpty()) QProcess::execute(QStringLiteral("umount"), {at}); }
        } mount;
        if (target == QLatin1String("full") || target == QLatin1String("readonly")) {
            place = dir.filePath(QStringLiteral("fs"));
            QDir().mkpath(place);
            if (QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", place}) != 0)
                QSKIP("cannot mount a small file system here (needs root)");
            mount.at = place;
        }
        const QString path = QDir(place).filePath(target == QLatin1String("missing") ? "gone/report.pdf" : "report.pdf");
        const QByteArray before = QByteArrayLiteral("the old report");
        const QByteArray path8 = QFile::encodeName(path);
        if (QStringList{"file", "link", "full", "readonly"}.contains(target)) {
            QFile old(target == QLatin1String("link") ? path + QStringLiteral(".real") : path);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write(before) == before.size());
        }
        if (target == QLatin1String("link"))
            QVERIFY(QFile::link(path + QStringLiteral(".real"), path));
        if (target == QLatin1String("dangling"))
            QVERIFY(QFile::link(path + QStringLiteral(".nowhere"), path));
        if (target == QLatin1String("fifo"))
            QVERIFY(::mkfifo(path8.constData(), 0600) == 0);
        if (target == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(path));
        const int listener = target == QLatin1String("socket") ? ::socket(AF_UNIX, SOCK_STREAM, 0) : -1;
        if (listener >= 0) {
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            qstrncpy(address.sun_path, path8.constData(), sizeof address.sun_path);
            QVERIFY(::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0);
        }
        if (target == QLatin1String("full")) {
            QFile filler(QDir(place).filePath(QStringLiteral("filler")));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            filler.write(QByteArray(60 * 1024, 'f'));
        }
        if (target == QLatin1String("readonly"))
            QCOMPARE(QProcess::execute(QStringLiteral("mount"), {"-o", "remount,ro", place}), 0);
        struct stat was {};
        ::lstat(path8.constData(), &was);

        const QByteArray bytes(32 * 1024, 'p');
        QString reason;
        const bool written = FileWriter::write(path, bytes, &reason);
        if (listener >= 0)
            ::close(listener);
        QCOMPARE(written, cause.isEmpty());
        QVERIFY2(reason.contains(cause), qPrintable(reason));
        if (written) {
            QFile back(path);
            QVERIFY(back.open(QIODevice::ReadOnly));
            QCOMPARE(back.readAll(), bytes);
            QCOMPARE(QFileInfo(path).isSymLink(), target == QLatin1String("link"));
            return;
        }
        struct stat now {};
        ::lstat(path8.constData(), &now);
        QCOMPARE(now.st_mode, was.st_mode);   // the same kind of thing, or still nothing
        if (target == QLatin1String("full") || target == QLatin1String("readonly")) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), before);
        }
        QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files | QDir::Hidden).filter("report.pdf.").size(), 0);
    }

    // Run last: it changes the application's look.
    void builtInSkinApplies()
    {
        const QColor standardWindow = qApp->palette().color(QPalette::Window);
        QVERIFY(Skin::applyBuiltIn(*qApp));
        QVERIFY(Skin::isApplied());
        QVERIFY(qApp->palette().color(QPalette::Window) != standardWindow);
        QWidget page;
        auto *button = new QPushButton("OK", &page);
        auto *label = new QLabel("text", &page);
        page.ensurePolished();
        QVERIFY(button->styleSheet().contains("QPushButton"));
        QVERIFY(label->styleSheet().isEmpty());   // labels keep their palette colours
    }

    void textEntries()
    {
        const auto entries = TextData::parse(QStringLiteral(
            "ignored before the first key\n@@ a\n\n  \nfirst\n\nsecond\n\n@@ b.opts\r\nA、x\r\nB、y\n@@ empty\n@@ last\nend"));
        QCOMPARE(entries.size(), 4);
        QCOMPARE(entries.value("a"), QStringLiteral("first\n\nsecond"));
        QCOMPARE(entries.value("b.opts"), QString::fromUtf8("A、x\nB、y"));
        QCOMPARE(entries.value("empty"), QString());
        QCOMPARE(entries.value("last"), QStringLiteral("end"));
        QVERIFY(TextData::file(":/no/such/file.txt").isEmpty());
    }
};

PATHORA_TEST_MAIN(TestPlatform)
#include "tst_platform.moc"
