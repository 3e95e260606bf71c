// triangle30: the window that solves the right triangle with a 30 degree angle.
#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#endif

#include "build_info.h"
#include "close_request.h"
#include "main_form.h"
#include "number_text.h"
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

#ifdef _WIN32
// A window program on Windows has no console: the answer comes in a message box. Its title is
// the program's name in the Start menu.
#define TRIANGLE30_HELP_OPTIONS "  -h, --help, /?   тази помощ\n"
#else
#define TRIANGLE30_HELP_OPTIONS "  -h, --help       тази помощ\n"
#endif

constexpr std::string_view kHelp =
    "Употреба: triangle30 [ОПЦИЯ]\n" TRIANGLE30_DISPLAY_NAME
    ": решава правоъгълен триъгълник с остър ъгъл 30 градуса по един\n"
    "даден размер. Без опция отваря прозореца на програмата.\n"
    "\n" TRIANGLE30_HELP_OPTIONS "  -v, --version    версията\n";

constexpr std::string_view kVersion = "triangle30 " TRIANGLE30_VERSION "\n";

// Shows `text` the way the platform answers a window program's --help: on the console, or in
// a message box on Windows. Returns the exit status: 3 when the output was lost.
int Answer(std::string_view text) {
#ifdef _WIN32
    const std::wstring wide =
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdWString();
    const std::wstring title =
        QString::fromUtf8(triangle30::kDisplayName.data(),
                          static_cast<qsizetype>(triangle30::kDisplayName.size()))
            .toStdWString();
    MessageBoxW(nullptr, wide.c_str(), title.c_str(), MB_OK | MB_ICONINFORMATION);
    return 0;
#else
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        std::fputs("triangle30: ", stderr);
        std::fwrite(triangle30::kLostOutput.data(), 1, triangle30::kLostOutput.size(), stderr);
        return 3;
    }
    return 0;
#endif
}

// The answer to --help or --version, given before any window or display, if one is asked.
std::optional<std::string_view> CommandLineAnswer(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help"
#ifdef _WIN32
            || arg == "/?"
#endif
        ) {
            return kHelp;
        }
        if (arg == "-v" || arg == "--version") {
            return kVersion;
        }
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<std::string_view> answer = CommandLineAnswer(argc, argv)) {
        return Answer(*answer);
    }
    QCoreApplication::setApplicationName(QStringLiteral("triangle30"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TRIANGLE30_VERSION));
    const QtMessageHandler previous = qInstallMessageHandler(StartUpMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    QGuiApplication::setDesktopFileName(QString::fromUtf8(
        triangle30::kAppId.data(), static_cast<qsizetype>(triangle30::kAppId.size())));
    InstallQtTranslation();

    MainForm form(
        triangle30::ReportDecimalSeparator(QLocale::system().decimalPoint().toStdString()));
    form.Form_Load();
    form.show();
    CloseRequestFilter closeRequests(&form);
    QApplication::instance()->installNativeEventFilter(&closeRequests);
    return QApplication::exec();
}
