#include "ui/platform/fonts.h"

#include <QFont>
#include <QStringList>

void Fonts::installSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("宋体"),
                               {QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                                QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN"),
                                QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Noto Sans CJK SC"),
                                QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("DejaVu Sans")});
}
