#pragma once

class QCoreApplication;

// Qt's own texts (standard buttons, the context menus of text fields) in Simplified Chinese, from
// the catalogue built into the program. Install before any widget is created.
namespace Translations {
bool installQtChinese(QCoreApplication &app);
}
