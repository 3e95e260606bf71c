// Tests of triangle30-report, run as a separate process the way a user runs it.
#include <QLocale>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the tool; `outFile` and `errFile`, when given, take its output instead of the test.
Run RunTool(const QStringList& args, const QString& lang = QStringLiteral("bg_BG.UTF-8"),
            const QString& outFile = {}, const QString& errFile = {}) {
    QProcess process;
    if (!outFile.isEmpty()) {
        process.setStandardOutputFile(outFile);
    }
    if (!errFile.isEmpty()) {
        process.setStandardErrorFile(errFile);
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_NUMERIC"));
    env.insert(QStringLiteral("LANG"), lang);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(REPORT_TOOL), args);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) {
        return {};
    }
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// The output expected on this platform for `expected`, written with the decimal separator of
// the settings `lang` and, unless `exact`, with line feeds. Windows takes the separator from
// the user's regional settings, which LANG does not change, and ends a console's lines with
// CR LF.
QByteArray OnThisPlatform(QByteArray expected, const QString& lang, bool exact = false) {
#ifdef Q_OS_WIN
    expected.replace(lang.startsWith(QLatin1String("bg")) ? ',' : '.',
                     QLocale::system().decimalPoint().toUtf8());
    if (!exact) {
        expected.replace("\n", "\r\n");
    }
#else
    Q_UNUSED(lang);
    Q_UNUSED(exact);
#endif
    return expected;
}

const QByteArray kZeros =
    "Катет BC = 0\nКатет AC = 0\nХипотенуза AB = 0\nИзчислен периметър P = 0\n"
    "Проверка с теорема на Питагор:\n0 + 0 = 0\n";

const QByteArray kLegBcOne =
    "Катет BC = 1\nКатет AC = 1.73205080756888\nХипотенуза AB = 2\n"
    "Изчислен периметър P = 4.73205080756888\nПроверка с теорема на Питагор:\n1 + 3 = 4\n";

const QByteArray kLegAcReport =
    "Катет BC = 1,44337567297406\n"
    "Катет AC = 2,5\n"
    "Хипотенуза AB = 2,88675134594813\n"
    "Изчислен периметър P = 6,83012701892219\n"
    "Проверка с теорема на Питагор:\n"
    "2,08333333333333 + 6,25 = 8,33333333333334\n";

}  // namespace

class ReportToolTest : public QObject {
    Q_OBJECT

  private slots:
    void printsTheReport_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QByteArray>("expected");

        QByteArray periods = kLegAcReport;
        periods.replace(',', '.');
        QTest::newRow("bulgarian settings write commas")
            << QStringList{"1", "2.5"} << "bg_BG.UTF-8" << kLegAcReport;
        QTest::newRow("english settings write periods")
            << QStringList{"1", "2.5"} << "en_US.UTF-8" << periods;
        QTest::newRow("quantity by name")
            << QStringList{"AC", "2.5"} << "bg_BG.UTF-8" << kLegAcReport;
        QTest::newRow("name in any case")
            << QStringList{"ac", "2.5"} << "bg_BG.UTF-8" << kLegAcReport;
        QTest::newRow("name in Cyrillic look-alikes")
            << QStringList{"АС", "2.5"} << "bg_BG.UTF-8" << kLegAcReport;
        QTest::newRow("text with blanks is one argument")
            << QStringList{"S", " 1 0 "} << "C"
            << QByteArray(
                   "Катет BC = 3.39808848969425\nКатет AC = 5.88566191276542\n"
                   "Хипотенуза AB = 6.79617697938849\nИзчислен периметър P = 16.0799273818482\n"
                   "Проверка с теорема на Питагор:\n"
                   "11.5470053837925 + 34.6410161513775 = 46.1880215351701\n");
        QTest::newRow("absent text reads as zero") << QStringList{"0"} << "C" << kZeros;
        QTest::newRow("nothing chosen prints nothing")
            << QStringList{"-1", "5"} << "C" << QByteArray();
        QTest::newRow("exact keeps CR LF and no final newline")
            << QStringList{"--exact", "CM", "1"} << "C"
            << QByteArray(
                   "Катет BC = 1\r\nКатет AC = 1.73205080756888\r\nХипотенуза AB = 2\r\n"
                   "Изчислен периметър P = 4.73205080756888\r\n"
                   "Проверка с теорема на Питагор:\r\n1 + 3 = 4");
        QTest::newRow("blanks around the kind") << QStringList{" BC\t", "1"} << "C" << kLegBcOne;
        QTest::newRow("a negative text is not an option")
            << QStringList{"0", "-0"} << "C" << kZeros;
        QTest::newRow("double dash lets the text start with dashes")
            << QStringList{"--", "0", "--5"} << "C" << kZeros;
        QTest::newRow("a byte-order mark before the number, as in the window")
            << QStringList{"BC", QStringLiteral("\uFEFF5")} << "C" << kZeros;
    }

    void printsTheReport() {
        QFETCH(QStringList, args);
        QFETCH(QString, lang);
        QFETCH(QByteArray, expected);
        const Run run = RunTool(args, lang);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, OnThisPlatform(expected, lang, args.contains("--exact")));
        QCOMPARE(run.err, QByteArray());
    }

    void failsClearly_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("errorContains");

        QTest::newRow("input beyond range")
            << QStringList{"0", "1E999"} << 1 << QByteArray() << QByteArray("твърде голямо");
        QTest::newRow("negative area")
            << QStringList{"6", "-1"} << 1 << QByteArray() << QByteArray("отрицателно");
        QTest::newRow("square overflow keeps five lines")
            << QStringList{"BC", "1E+200"} << 1
            << QByteArray(
                   "Катет BC = 1E+200\nКатет AC = 1.73205080756888E+200\n"
                   "Хипотенуза AB = 2E+200\nИзчислен периметър P = 4.73205080756888E+200\n"
                   "Проверка с теорема на Питагор:\n")
            << QByteArray("твърде голямо");
        QTest::newRow("no kind") << QStringList{} << 2 << QByteArray() << QByteArray("Употреба");
        QTest::newRow("unknown kind")
            << QStringList{"7", "1"} << 2 << QByteArray() << QByteArray("непознат ВИД");
        QTest::newRow("unknown name")
            << QStringList{"XY", "1"} << 2 << QByteArray() << QByteArray("непознат ВИД");
        QTest::newRow("unknown option")
            << QStringList{"--fast", "1"} << 2 << QByteArray() << QByteArray("непозната опция");
        QTest::newRow("option with a value")
            << QStringList{"--exact=1", "BC", "1"} << 2 << QByteArray()
            << QByteArray("непозната опция --exact=1");
        QTest::newRow("too many arguments")
            << QStringList{"1", "2", "3"} << 2 << QByteArray() << QByteArray("твърде много");
    }

    void failsClearly() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, errorContains);
        const Run run = RunTool(args, QStringLiteral("C"));
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, OnThisPlatform(out, QStringLiteral("C")));
        QVERIFY2(run.err.contains(errorContains), run.err.constData());
    }

    void helpDescribesTheTool() {
        const Run run = RunTool({QStringLiteral("--help")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith("Употреба: triangle30-report"));
        QVERIFY(run.out.contains("--exact"));
#ifdef Q_OS_WIN
        // Windows takes the separator from its regional settings, not from variables.
        QVERIFY(run.out.contains("регионалните настройки на Windows"));
        QVERIFY(!run.out.contains("LC_ALL"));
        QCOMPARE(RunTool({QStringLiteral("/?")}).out, run.out);
#else
        QVERIFY(run.out.contains("(LC_ALL, LC_NUMERIC, LANG)"));
#endif
        const Run version = RunTool({QStringLiteral("--version")});
        QCOMPARE(version.exitCode, 0);
        QVERIFY(version.out.startsWith("triangle30-report 1."));
    }

#ifndef Q_OS_WIN
    // Lost standard output is status 3, whatever the status was to be; a lost standard error
    // leaves the status as it is.
    void statusTellsOfLostOutput_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("outFile");
        QTest::addColumn<QString>("errFile");
        QTest::addColumn<int>("exitCode");

        const QString full = QStringLiteral("/dev/full");
        QTest::newRow("report to a full disk") << QStringList{"0", "1"} << full << "" << 3;
        QTest::newRow("help to a full disk") << QStringList{"--help"} << full << "" << 3;
        QTest::newRow("error with its lines to a full disk")
            << QStringList{"0", "1E+200"} << full << "" << 3;
        QTest::newRow("usage error to a full stderr") << QStringList{"9"} << "" << full << 2;
        QTest::newRow("calculation error to a full stderr")
            << QStringList{"6", "-1"} << "" << full << 1;
        QTest::newRow("report beside a full stderr") << QStringList{"0", "1"} << "" << full << 0;
    }

    void statusTellsOfLostOutput() {
        QFETCH(QStringList, args);
        QFETCH(QString, outFile);
        QFETCH(QString, errFile);
        QFETCH(int, exitCode);
        QCOMPARE(RunTool(args, QStringLiteral("C"), outFile, errFile).exitCode, exitCode);
    }
#endif

    void readsAVeryLongArgument() {
        const Run run = RunTool({QStringLiteral("2"), QString(100000, QLatin1Char('7'))});
        QCOMPARE(run.exitCode, 1);  // a hundred thousand sevens lie beyond the double range
        QVERIFY(run.err.contains("твърде голямо"));
    }
};

QTEST_GUILESS_MAIN(ReportToolTest)
#include "report_tool_test.moc"
