// A monkey test of the window: 10,000 random clicks, keys, typing and pasting with a fixed seed.
// After every action the window's state must be one a user can reach, and the result box must
// show exactly what the core writes for the chosen quantity and the input.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <random>

#include "description.h"
#include "errors.h"
#include "main_form.h"
#include "report.h"
#include "report_shape.h"
#include "window_fixture.h"

namespace {

constexpr int kActions = 10000;
constexpr unsigned kSeed = 20261208;

// What a student might type.
const QStringList kTyped = {"1",     "2.5",     "-3",     "1e2",    "abc", "пет", " ",     "  7 ",
                            ",",     ".",       "1E999",  "-1E999", "inf", "nan", "0x10",  "1 2.5",
                            "1e308", "1.7e308", "1E+200", "10",     "-1",  "0",   "3.5см", "1.2.3"};

// What a student might paste, beyond what can be typed.
const QStringList kPasted = {
    "",
    "   ",
    "😀👍",
    "2😀5",
    "مرحبا 12",
    "שלום 3.5",
    "Катет BC = 1,73205080756888",
    "\u202E123",
    "1E999",
    "-1E999",
    "inf",
    "nan",
    "Infinity",
    "1e-400",
    "4.9406564584124654e-324",
    "179769313486231580793728971405303415079934132710037826936173778980e243"};

}  // namespace

class MonkeyTest : public QObject, public WindowFixture {
    Q_OBJECT

  private:
    std::mt19937 random_{kSeed};
    QString expectedInput_;
    std::int16_t expectedIndex_ = -1;
    bool lastCalculationFailed_ = false;
    int calculations_ = 0;
    int messagesAnswered_ = 0;

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    // Types `text` key by key; letters beyond ASCII come as key events that carry their text.
    void Type(const QString& text) {
        for (const QChar c : text) {
            if (c.unicode() < 128) {
                QTest::keyClick(Input(), c.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Click, Input(), Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            }
        }
        expectedInput_ = (expectedInput_ + text).left(triangle30::form::kInputMaxLength);
    }

    void Paste(const QString& text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(Input(), Qt::Key_V, Qt::ControlModifier);
        expectedInput_ = (expectedInput_ + text).left(triangle30::form::kInputMaxLength);
    }

    // Does `action`, which calculates, and checks the window against the same core call on the
    // expected state.
    void CalculateAndCompare(const std::function<void()>& action) {
        triangle30::StringResultBox model(BoxText());
        bool failed = false;
        try {
            triangle30::Calculate(expectedIndex_, expectedInput_.toStdString(), model, ",");
        } catch (const triangle30::CalculationError&) {
            failed = true;
        }
        action();
        const bool messageShown = AnswerMessages();
        QCOMPARE(messageShown, failed);
        QVERIFY(BoxText() == model.GetText());
        if (expectedIndex_ >= 0) {
            lastCalculationFailed_ = failed;
            ++calculations_;
        }
    }

    // Answers every open message box as a user would, with Enter; returns whether one was open.
    bool AnswerMessages() {
        bool answered = false;
        for (QMessageBox* box : form_->findChildren<QMessageBox*>()) {
            if (box->isVisible()) {
                QTest::keyClick(box, Qt::Key_Return);
                answered = true;
                ++messagesAnswered_;
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return answered;
    }

    void ClearInput() {
        QTest::keyClick(Input(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Input(), Qt::Key_Delete);
        expectedInput_.clear();
    }

    void RandomAction() {
        const int action = Pick(100);
        if (action < 15) {
            const int i = Pick(7);
            QTest::mouseClick(Option(i), Qt::LeftButton);
            expectedIndex_ = static_cast<std::int16_t>(i);
        } else if (action < 20) {
            const int i = Pick(7);
            auto* option = Option(i);
            option->setFocus();
            QTest::keyClick(option, Qt::Key_Space);
            expectedIndex_ = static_cast<std::int16_t>(i);
        } else if (action < 40) {
            Type(kTyped[Pick(static_cast<int>(kTyped.size()))]);
        } else if (action < 50) {
            Paste(kPasted[Pick(static_cast<int>(kPasted.size()))]);
        } else if (action < 51) {
            // A megabyte of digits, calculated with and cleared again.
            Paste(QString(1 << 20, QLatin1Char('7')));
            CalculateAndCompare([this] { QTest::keyClick(Input(), Qt::Key_Return); });
            ClearInput();
        } else if (action < 62) {
            ClearInput();
        } else if (action < 65) {
            QTest::keyClick(Input(), Qt::Key_Comma, Qt::KeypadModifier);
            expectedInput_ = (expectedInput_ + '.').left(triangle30::form::kInputMaxLength);
        } else if (action < 75) {
            CalculateAndCompare([this] { QTest::keyClick(Input(), Qt::Key_Return); });
        } else if (action < 93) {
            CalculateAndCompare([this] { ClickCalculate(); });
        } else {
            ClickClear();
            expectedIndex_ = -1;
            expectedInput_.clear();
            lastCalculationFailed_ = false;
            QVERIFY(ResultBox()->toPlainText().isEmpty());
        }
        QVERIFY(!AnswerMessages());  // only calculations open messages
    }

    void CheckInvariants(int step) {
        const QByteArray where = "after action " + QByteArray::number(step);
        QVERIFY2(form_->isVisible(), where);
        QVERIFY2(form_->givenIndex() == expectedIndex_, where);
        for (int i = 0; i < triangle30::kGivenKindCount; ++i) {
            QVERIFY2(Option(i)->isChecked() == (i == expectedIndex_), where);
        }
        QVERIFY2(Input()->text() == expectedInput_, where);
        const std::string box = BoxText();
        const int lines = triangle30::test::ReportLinesIn(box, ",");
        const bool cutAfterError = lastCalculationFailed_ && (lines == 3 || lines == 5);
        QVERIFY2(box == triangle30::form::kTaskText || lines == 0 || lines == 6 || cutAfterError,
                 where + ": " + QByteArray::fromStdString(box.substr(0, 200)));
    }

  private slots:
    void initTestCase() { QuietOffscreenSizeHints(); }

    void tenThousandRandomActions() {
        QVERIFY(OpenWindow());
        for (int step = 1; step <= kActions; ++step) {
            RandomAction();
            if (QTest::currentTestFailed()) {
                QFAIL(qPrintable(QStringLiteral("the action %1 broke the window").arg(step)));
            }
            CheckInvariants(step);
            if (QTest::currentTestFailed()) {
                return;
            }
        }
        qInfo(
            "monkey: %d actions (seed %u), %d calculations, %d error messages answered, "
            "all invariants held",
            kActions, kSeed, calculations_, messagesAnswered_);
    }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
