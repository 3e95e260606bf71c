// triangle30: the window that solves the right triangle with a 30 degree angle.
#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <cstdio>

#include "layout.h"
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
    QApplication::setWindowIcon(
        QIcon(QString::fromUtf8(triangle30::ui::kIconPath.data(),
                                static_cast<qsizetype>(triangle30::ui::kIconPath.size()))));
    QGuiApplication::setDesktopFileName(QStringLiteral("bg.triangle30.Triangle30"));

    MainForm form(QLocale::system().decimalPoint());
    form.Form_Load();
    form.show();
    return QApplication::exec();
}
