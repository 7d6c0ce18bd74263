#include "ui/platform/fonts.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QResource>

QStringList Fonts::embeddedFaces()
{
    QStringList paths;
    const QDir folder(QStringLiteral(":/fonts"));
    for (const QString &name : folder.entryList({QStringLiteral("*.otf")}, QDir::Files, QDir::Name))
        paths.append(folder.filePath(name));
    return paths;
}

namespace {

void registerEmbeddedFaces()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    for (const QString &path : Fonts::embeddedFaces()) {
        // The resources are stored uncompressed: the font database reads them in place.
        const QResource resource(path);
        const QByteArray data = resource.compressionAlgorithm() == QResource::NoCompression
            ? QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()), int(resource.size()))
            : resource.uncompressedData();
        if (QFontDatabase::addApplicationFontFromData(data) < 0)
            qWarning("Pathora: the built-in font %s cannot be loaded", qPrintable(path));
    }
}

} // namespace

void Fonts::installSubstitutions()
{
    registerEmbeddedFaces();
    // Text in Qt's own font (the menu bar, message boxes) takes the Chinese its face lacks from
    // the embedded sans, not from whatever face the machine would fall back to.
    QFont::insertSubstitution(QGuiApplication::font().family(), QStringLiteral("Pathora Sans"));
    QFont::insertSubstitutions(QStringLiteral("宋体"),
                               {QStringLiteral("Pathora Serif"), QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                                QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN"),
                                QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Pathora Sans"), QStringLiteral("Microsoft Sans Serif"),
                                QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                                QStringLiteral("DejaVu Sans")});
}
