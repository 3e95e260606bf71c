// triangle30-report: prints the report that the window writes for one quantity and input text.
#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "build_info.h"
#include "errors.h"
#include "number_text.h"
#include "report.h"
#include "triangle.h"

#ifdef _WIN32
// shellapi.h needs windows.h before it.
// clang-format off
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>
// clang-format on
#endif

namespace {

constexpr int kExitCalculationError = 1;
constexpr int kExitUsage = 2;
constexpr int kExitWriteError = 3;

constexpr std::string_view kUsage = "Употреба: triangle30-report [--exact] ВИД [ТЕКСТ]\n";

// What differs between the platforms in the help: where the decimal separator comes from, and
// the help option that Windows users know.
#ifdef _WIN32
#define TRIANGLE30_HELP_OPTIONS "  -h, --help, /? тази помощ\n"
#define TRIANGLE30_SEPARATOR_SOURCE "регионалните настройки на Windows"
#else
#define TRIANGLE30_HELP_OPTIONS "  -h, --help     тази помощ\n"
#define TRIANGLE30_SEPARATOR_SOURCE "регионалните настройки (LC_ALL, LC_NUMERIC, LANG)"
#endif

constexpr std::string_view kHelp =
    "Решава правоъгълния триъгълник ABC (прав ъгъл при C, ъгъл 30 градуса при A)\n"
    "и отпечатва отчета, който triangle30 пише в полето за резултата.\n"
    "\n"
    "  ВИД        кое е дадено: 0 или BC (катет BC), 1 или AC (катет AC),\n"
    "             2 или AB (хипотенуза AB), 3 или CH (височина CH), 4 или CM (медиана CM),\n"
    "             5 или CL (бисектриса CL), 6 или S (лице S); без значение на главни и малки\n"
    "             букви, и с кирилски букви като ВС; -1 значи, че нищо не е избрано, и не се\n"
    "             отпечатва нищо\n"
    "  ТЕКСТ      размерът точно както се въвежда в полето (дробна част с точка: 2.5);\n"
    "             без него текстът е празен\n"
    "  --exact    текстът на полето байт по байт: редове с CR LF, без край на ред "
    "накрая\n" TRIANGLE30_HELP_OPTIONS
    "  -v, --version  версията\n"
    "  --         край на опциите (за ТЕКСТ, който започва с --)\n"
    "\n"
    "Десетичният знак в отчета е този от " TRIANGLE30_SEPARATOR_SOURCE
    ".\n"
    "Изход: 0 при успех, 1 при грешка в изчислението, 2 при грешна употреба,\n"
    "3 когато изходът не може да бъде записан (например пълен диск).\n";

// Whether a write to the standard output failed: lost output is never a success. A lost
// message on the standard error changes nothing, as there is nowhere left to tell of it.
bool outputLost = false;

void Write(std::FILE* stream, std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), stream) != text.size() && stream == stdout) {
        outputLost = true;
    }
}

// The exit status once everything is written: `status`, unless the output was lost.
int Finish(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0 || outputLost) {
        Write(stderr, "triangle30-report: ");
        Write(stderr, triangle30::kLostOutput);
        return kExitWriteError;
    }
    return status;
}

int UsageError(std::string_view problem) {
    Write(stderr, "triangle30-report: ");
    Write(stderr, problem);
    Write(stderr, "\n");
    Write(stderr, kUsage);
    return kExitUsage;
}

// KIND as a number from -1 to 6 or a quantity's name such as CH, in any case. A Bulgarian
// keyboard types the letters A, B, C, H and M of a name as their Cyrillic look-alikes.
// Blanks around it do not count.
std::optional<std::int16_t> ParseKind(std::string_view text) {
    QString arg = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).trimmed();
    const QString cyrillic = QStringLiteral("АВСНМЅавснмѕ");
    const QString latin = QStringLiteral("ABCHMSabchms");
    for (qsizetype i = 0; i < cyrillic.size(); ++i) {
        arg.replace(cyrillic[i], latin[i]);
    }
    if (arg == QLatin1String("-1")) {
        return -1;
    }
    for (std::int16_t kind = 0; kind < triangle30::kGivenKindCount; ++kind) {
        const std::string_view name = triangle30::kQuantityNames[kind];
        if (arg == QString::number(kind) ||
            arg.compare(QLatin1StringView(name.data(), static_cast<qsizetype>(name.size())),
                        Qt::CaseInsensitive) == 0) {
            return kind;
        }
    }
    return std::nullopt;
}

// The command line, read in one pass: the options anywhere before a --, and every other
// argument, negative numbers included, in its place.
struct CommandLine {
    bool exact = false;
    bool help = false;
    bool version = false;
    std::vector<std::string> positional;
    std::string unknownOption;  // the first, if any
};

CommandLine ReadCommandLine(const std::vector<std::string>& arguments) {
    const auto is = [](std::string_view arg, std::string_view option) { return arg == option; };
#ifdef _WIN32
    const auto isHelp = [&](std::string_view arg) {
        return is(arg, "-h") || is(arg, "--help") || is(arg, "/?");
    };
#else
    const auto isHelp = [&](std::string_view arg) { return is(arg, "-h") || is(arg, "--help"); };
#endif
    CommandLine line;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        if (optionsEnded || !(arg.starts_with("--") || isHelp(arg) || is(arg, "-v"))) {
            line.positional.push_back(arg);
        } else if (is(arg, "--")) {
            optionsEnded = true;
        } else if (is(arg, "--exact")) {
            line.exact = true;
        } else if (isHelp(arg)) {
            line.help = true;
        } else if (is(arg, "-v") || is(arg, "--version")) {
            line.version = true;
        } else if (line.unknownOption.empty()) {
            line.unknownOption = arg;
        }
    }
    return line;
}

// The arguments as they were given, in UTF-8: on Windows from the UTF-16 command line (argv
// there is in the ANSI code page), elsewhere argv's own bytes. Qt's list of them drops a
// leading byte-order mark, which the window and the page read as part of the text.
std::vector<std::string> Arguments([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
#ifdef _WIN32
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) {
        // As QChars: QString::fromWCharArray would drop a leading byte-order mark too.
        arguments.push_back(QString(reinterpret_cast<const QChar*>(wide[i])).toStdString());
    }
    LocalFree(wide);
    return arguments;
#else
    return {argv, argv + argc};
#endif
}

#ifdef _WIN32
// The report is UTF-8; a Windows console shows it as such only in its UTF-8 code page, which
// this sets for the program's run and gives back at its end.
class ConsoleUtf8 {
  public:
    ConsoleUtf8() : previous_(GetConsoleOutputCP()) { SetConsoleOutputCP(CP_UTF8); }
    ~ConsoleUtf8() { SetConsoleOutputCP(previous_); }
    ConsoleUtf8(const ConsoleUtf8&) = delete;
    ConsoleUtf8& operator=(const ConsoleUtf8&) = delete;

  private:
    UINT previous_;
};
#endif

int Run(const std::vector<std::string>& arguments) {
    const CommandLine line = ReadCommandLine(arguments);
    if (!line.unknownOption.empty()) {
        return UsageError("непозната опция " + line.unknownOption);
    }
    if (line.help) {
        Write(stdout, kUsage);
        Write(stdout, kHelp);
        return 0;
    }
    if (line.version) {
        Write(stdout, "triangle30-report " TRIANGLE30_VERSION "\n");
        return 0;
    }
    const bool exact = line.exact;
    const std::vector<std::string>& positional = line.positional;
    if (positional.empty()) {
        return UsageError("липсва ВИД");
    }
    if (positional.size() > 2) {
        return UsageError("твърде много аргументи");
    }
    const std::optional<std::int16_t> kind = ParseKind(positional[0]);
    if (!kind) {
        return UsageError("непознат ВИД " + positional[0] +
                          " (очаква се от -1 до 6 или BC, AC, AB, CH, CM, CL, S)");
    }

#ifdef _WIN32
    if (exact) {
        // The box's bytes as they are: text mode would write each CR LF as CR CR LF.
        _setmode(_fileno(stdout), _O_BINARY);
    }
#endif
    const std::string separator =
        triangle30::ReportDecimalSeparator(QLocale::system().decimalPoint().toStdString());
    triangle30::StringResultBox box;
    try {
        triangle30::Calculate(*kind, positional.size() > 1 ? positional[1] : "", box, separator);
    } catch (const triangle30::CalculationError& error) {
        Write(stdout, exact ? box.GetText() : triangle30::ToLineFeeds(box.GetText()));
        std::fflush(stdout);
        Write(stderr, "triangle30-report: грешка: ");
        Write(stderr, error.what());
        Write(stderr, "\n");
        return kExitCalculationError;
    }
    const std::string text = box.GetText();
    if (exact) {
        Write(stdout, text);
    } else if (!text.empty()) {
        Write(stdout, triangle30::ToLineFeeds(text) + "\n");
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
#ifdef _WIN32
    const ConsoleUtf8 console;
#endif
    const QCoreApplication app(argc, argv);
    return Finish(Run(Arguments(argc, argv)));
}
