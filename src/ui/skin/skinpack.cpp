// Build-time tool: packs the skin's style sheet and textures into the archive the program embeds.
// Usage: skinpack OUTPUT FILE...   (each FILE is stored under its base name)
#include "ui/skin/skinarchive.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: skinpack OUTPUT FILE...\n");
        return 2;
    }
    SkinArchive::Files files;
    for (int i = 2; i < args.size(); ++i) {
        QFile in(args[i]);
        if (!in.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "skinpack: cannot read %s\n", qPrintable(args[i]));
            return 1;
        }
        files.insert(QFileInfo(args[i]).fileName(), in.readAll());
    }
    const QByteArray archive = SkinArchive::pack(files);
    if (archive.isEmpty()) {
        std::fprintf(stderr, "skinpack: more than %d files or %u bytes cannot make a skin archive\n",
                     SkinArchive::kMaxEntries, SkinArchive::kMaxUnpacked);
        return 1;
    }
    QFile out(args[1]);
    if (!out.open(QIODevice::WriteOnly) || out.write(archive) != archive.size()) {
        std::fprintf(stderr, "skinpack: cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
