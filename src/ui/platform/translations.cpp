#include "ui/platform/translations.h"

#include <QCoreApplication>
#include <QTranslator>

bool Translations::installQtChinese(QCoreApplication &app)
{
    static QTranslator *qt = nullptr;
    if (qt)
        return true;
    auto *translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral(":/i18n/qtbase_zh_CN.qm"))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    qt = translator;
    return true;
}
