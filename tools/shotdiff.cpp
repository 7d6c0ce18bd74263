// Compares two folders of page pictures (as written by pathora_screenshots) pixel by pixel:
//   pathora_shotdiff BEFORE AFTER
// prints every picture that differs, with the number of pixels and the box they lie in, and
// exits with status 1 if any differs or is missing.
#include <QDir>
#include <QCoreApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: pathora_shotdiff BEFORE AFTER\n");
        return 2;
    }
    const QDir before(QString::fromLocal8Bit(argv[1])), after(QString::fromLocal8Bit(argv[2]));
    const QStringList names = before.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    int differ = 0;
    for (const QString &name : names) {
        const QImage a = QImage(before.filePath(name)).convertToFormat(QImage::Format_ARGB32);
        const QImage b = QImage(after.filePath(name)).convertToFormat(QImage::Format_ARGB32);
        if (b.isNull() || a.size() != b.size()) {
            std::printf("%s: %s\n", qPrintable(name), b.isNull() ? "missing" : "of another size");
            ++differ;
            continue;
        }
        int pixels = 0;
        QRect box;
        for (int y = 0; y < a.height(); ++y) {
            const auto *pa = reinterpret_cast<const QRgb *>(a.constScanLine(y));
            const auto *pb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
            for (int x = 0; x < a.width(); ++x)
                if (pa[x] != pb[x]) {
                    ++pixels;
                    box |= QRect(x, y, 1, 1);
                }
        }
        if (pixels > 0) {
            std::printf("%s: %d pixels differ in %dx%d+%d+%d\n", qPrintable(name), pixels, box.width(), box.height(),
                        box.x(), box.y());
            ++differ;
        }
    }
    std::printf("%lld pictures compared, %d differ\n", static_cast<long long>(names.size()), differ);
    return differ == 0 && !names.isEmpty() ? 0 : 1;
}
