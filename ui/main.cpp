// triangle30: the window that solves the right triangle with a 30 degree angle.
#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <cstdio>
#include <cstdlib>

#include "main_form.h"
#include "qt_translation.h"

namespace {

constexpr std::string_view kNoDisplay =
    "triangle30: няма достъпен графичен екран (вижте променливата DISPLAY).\n"
    "Стартирайте програмата в графична среда.\n";

// Qt ends the program with an English message and an abort when it cannot reach a display,
// in whichever way that fails (no DISPLAY, a display that is not there, the wrong platform);
// say it in the user's language and end normally instead.
void StartUpMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fwrite(kNoDisplay.data(), 1, kNoDisplay.size(), stderr);
        std::_Exit(1);
    }
    if (QByteArrayView(context.category).startsWith("qt.qpa")) {
        return;  // the platform's own account of the failure, in English
    }
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// --help and --version, answered on the console before any window or display.
bool AnswersCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help" || arg == "-v" || arg == "--version") {
            QCoreApplication core(argc, argv);
            InstallQtTranslation();
            QCommandLineParser parser;
            parser.setApplicationDescription(QStringLiteral(
                "Триъгълник 30°: решава правоъгълния триъгълник ABC (прав ъгъл при C, ъгъл 30 "
                "градуса при A) по един даден размер."));
            parser.addHelpOption();
            parser.addVersionOption();
            parser.process(core);  // prints and ends the program
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("triangle30"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TRIANGLE30_VERSION));
    if (AnswersCommandLine(argc, argv)) {
        return 0;
    }
    const QtMessageHandler previous = qInstallMessageHandler(StartUpMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    QGuiApplication::setDesktopFileName(QStringLiteral(TRIANGLE30_APP_ID));
    InstallQtTranslation();

    MainForm form(QLocale::system().decimalPoint());
    form.Form_Load();
    form.show();
    return QApplication::exec();
}
