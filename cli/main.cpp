// triangle30-report: prints the report that the window writes for one quantity and input text.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "errors.h"
#include "report.h"
#include "triangle.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace {

constexpr int kExitCalculationError = 1;
constexpr int kExitUsage = 2;
constexpr int kExitWriteError = 3;

constexpr std::string_view kUsage = "Употреба: triangle30-report [--exact] ВИД [ТЕКСТ]\n";

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
    "  --exact    текстът на полето байт по байт: редове с CR LF, без край на ред накрая\n"
    "  -h, --help     тази помощ\n"
    "  -v, --version  версията\n"
    "  --         край на опциите (за ТЕКСТ, който започва с --)\n"
    "\n"
    "Десетичният знак в отчета е този от регионалните настройки (LC_ALL, LC_NUMERIC, LANG).\n"
    "Изход: 0 при успех, 1 при грешка в изчислението, 2 при грешна употреба,\n"
    "3 когато изходът не може да бъде записан (например пълен диск).\n";

// Output that remembers whether any write failed, so that lost output is never a success.
bool writeFailed = false;

void Write(std::FILE* stream, std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), stream) != text.size()) {
        writeFailed = true;
    }
}

// The exit status once everything is written: `status`, unless the output was lost.
int Finish(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0 || writeFailed) {
        Write(stderr,
              "triangle30-report: грешка: изходът не може да бъде записан "
              "(пълен диск или затворен изход)\n");
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
std::optional<std::int16_t> ParseKind(QString arg) {
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

// QCommandLineParser takes every argument that starts with a dash for an option, but KIND
// and TEXT may be negative numbers: only --NAME, -h and -v are options, and everything else
// (and everything after --) goes behind a -- of its own.
QStringList OptionsFirst(const QStringList& args) {
    QStringList options{args.value(0)};
    QStringList positional;
    bool ended = false;
    for (const QString& arg : args.mid(1)) {
        if (!ended && arg == QLatin1String("--")) {
            ended = true;
        } else if (!ended && (arg.startsWith(QLatin1String("--")) || arg == QLatin1String("-h") ||
                              arg == QLatin1String("-v"))) {
            options << arg;
        } else {
            positional << arg;
        }
    }
    return options << QStringLiteral("--") << positional;
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

int Run(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption exactOption(QStringLiteral("exact"));
    parser.addOption(exactOption);
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    if (!parser.parse(OptionsFirst(arguments))) {
        const QStringList unknown = parser.unknownOptionNames();
        return UsageError(unknown.isEmpty() ? parser.errorText().toStdString()
                                            : "непозната опция --" + unknown.front().toStdString());
    }
    if (parser.isSet(helpOption)) {
        Write(stdout, kUsage);
        Write(stdout, kHelp);
        return 0;
    }
    if (parser.isSet(versionOption)) {
        Write(stdout, "triangle30-report " TRIANGLE30_VERSION "\n");
        return 0;
    }
    const bool exact = parser.isSet(exactOption);
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        return UsageError("липсва ВИД");
    }
    if (positional.size() > 2) {
        return UsageError("твърде много аргументи");
    }
    const std::optional<std::int16_t> kind = ParseKind(positional[0]);
    if (!kind) {
        return UsageError("непознат ВИД " + positional[0].toStdString() +
                          " (очаква се от -1 до 6 или BC, AC, AB, CH, CM, CL, S)");
    }

#ifdef _WIN32
    if (exact) {
        // The box's bytes as they are: text mode would write each CR LF as CR CR LF.
        _setmode(_fileno(stdout), _O_BINARY);
    }
#endif
    const std::string separator = QLocale::system().decimalPoint().toStdString();
    triangle30::StringResultBox box;
    try {
        triangle30::Calculate(*kind, positional.value(1).toStdString(), box, separator);
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
    QCoreApplication::setApplicationVersion(QStringLiteral(TRIANGLE30_VERSION));
    return Finish(Run(QCoreApplication::arguments()));
}
