// triangle30-report: prints the report that the window writes for one quantity and input text.
#include <QLocale>
#include <QString>
#include <cstdio>
#include <exception>
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

constexpr std::string_view kUsage = "Употреба: triangle30-report [--exact] ВИД [ТЕКСТ]\n";

constexpr std::string_view kHelp =
    "Решава правоъгълния триъгълник ABC (прав ъгъл при C, ъгъл 30 градуса при A)\n"
    "и отпечатва отчета, който triangle30 пише в полето за резултата.\n"
    "\n"
    "  ВИД      кое е дадено: 0 или BC (катет BC), 1 или AC (катет AC),\n"
    "           2 или AB (хипотенуза AB), 3 или CH (височина CH), 4 или CM (медиана CM),\n"
    "           5 или CL (бисектриса CL), 6 или S (лице S); без значение на главни и малки\n"
    "           букви; -1 значи, че нищо не е избрано, и не се отпечатва нищо\n"
    "  ТЕКСТ    размерът точно както се въвежда в полето (дробна част с точка: 2.5);\n"
    "           без него текстът е празен\n"
    "  --exact  текстът на полето байт по байт: редове с CR LF, без край на ред накрая\n"
    "  --help   тази помощ\n"
    "  --       край на опциите (за ТЕКСТ, който започва с --)\n"
    "\n"
    "Десетичният знак в отчета е този от регионалните настройки (LC_ALL, LC_NUMERIC, LANG).\n"
    "Изход: 0 при успех, 1 при грешка в изчислението, 2 при грешна употреба.\n";

void Write(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

int UsageError(std::string_view problem) {
    Write(stderr, "triangle30-report: ");
    Write(stderr, problem);
    Write(stderr, "\n");
    Write(stderr, kUsage);
    return kExitUsage;
}

// KIND as a number from -1 to 6 or a quantity's name such as CH, in any case.
std::optional<std::int16_t> ParseKind(std::string_view arg) {
    if (arg == "-1") {
        return -1;
    }
    for (std::int16_t kind = 0; kind < triangle30::kGivenKindCount; ++kind) {
        const std::string_view name = triangle30::kQuantityNames[kind];
        const bool digit = arg.size() == 1 && arg[0] == '0' + kind;
        if (digit ||
            QString::fromUtf8(arg.data(), static_cast<qsizetype>(arg.size()))
                    .compare(QLatin1StringView(name.data(), static_cast<qsizetype>(name.size())),
                             Qt::CaseInsensitive) == 0) {
            return kind;
        }
    }
    return std::nullopt;
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

}  // namespace

// cppcheck-suppress constParameter ; main keeps its standard signature
int main(int argc, char* argv[]) {
#ifdef _WIN32
    const ConsoleUtf8 console;
#endif
    bool exact = false;
    bool optionsEnded = false;
    std::optional<std::string_view> kindArg;
    std::optional<std::string_view> textArg;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            Write(stdout, kUsage);
            Write(stdout, kHelp);
            return 0;
        } else if (!optionsEnded && arg == "--exact") {
            exact = true;
        } else if (!optionsEnded && arg.starts_with("--")) {
            return UsageError("непозната опция " + std::string(arg));
        } else if (!kindArg) {
            kindArg = arg;
        } else if (!textArg) {
            textArg = arg;
        } else {
            return UsageError("твърде много аргументи");
        }
    }
    if (!kindArg) {
        return UsageError("липсва ВИД");
    }
    const std::optional<std::int16_t> kind = ParseKind(*kindArg);
    if (!kind) {
        return UsageError("непознат ВИД " + std::string(*kindArg) +
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
        triangle30::Calculate(*kind, textArg.value_or(""), box, separator);
    } catch (const std::exception& error) {
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
