// Qt's own texts in the window (the message's button, the right-click menus) in Bulgarian.
#pragma once

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// Installs Qt's Bulgarian translation: the system's (on Linux, from qt6-translations-l10n), or
// else the copy built into the program (on Windows). The program speaks Bulgarian whatever the
// user's regional settings.
inline void InstallQtTranslation() {
    static QTranslator translator;  // lives as long as the program
    if (translator.load(QLocale(QLocale::Bulgarian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        translator.load(QStringLiteral(":/translations/qtbase_bg.qm"))) {
        QCoreApplication::installTranslator(&translator);
    }
}
