// Runs a fuzz target over files and folders of inputs, as the normal suite does with the seed
// corpus and the inputs the fuzzer once found. Reports the slowest input and fails when one takes
// more than a second of processor time (a measure a busy machine does not swell); the target
// itself aborts on any other fault.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>
#include <ctime>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv)
{
    int inputs = 0, slow = 0;
    double slowest = 0;
    QString slowestPath;
    for (int i = 1; i < argc; ++i) {
        QStringList paths;
        if (QFileInfo(QString::fromLocal8Bit(argv[i])).isDir()) {
            QDirIterator it(QString::fromLocal8Bit(argv[i]), QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                paths << it.next();
        } else {
            paths << QString::fromLocal8Bit(argv[i]);
        }
        for (const QString &path : paths) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            const std::clock_t start = std::clock();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
            const double seconds = double(std::clock() - start) / CLOCKS_PER_SEC;
            if (seconds >= slowest) {
                slowest = seconds;
                slowestPath = path;
            }
            if (seconds > 1.0) {
                std::fprintf(stderr, "%s took %.2f s\n", qPrintable(path), seconds);
                ++slow;
            }
            ++inputs;
        }
    }
    std::printf("%d inputs replayed, %d too slow; the slowest took %.3f s of processor time (%s)\n", inputs, slow,
                slowest, qPrintable(QFileInfo(slowestPath).fileName()));
    return inputs > 0 && slow == 0 ? 0 : 1;
}
