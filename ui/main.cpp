// triangle30: the window that solves the right triangle with a 30 degree angle.
#include <QApplication>
#include <QLocale>
#include <cstdio>

#include "main_form.h"

namespace {

// Qt ends the program with a terse English message when there is no display to connect to;
// say it in the user's language first.
bool HasDisplay() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!HasDisplay()) {
        std::fputs(
            "triangle30: няма графичен екран (променливата DISPLAY не е зададена).\n"
            "Стартирайте програмата в графична среда или задайте DISPLAY.\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(TRIANGLE30_APP_ID));

    MainForm form(QLocale::system().decimalPoint());
    form.Form_Load();
    form.show();
    return QApplication::exec();
}
