// Tests of the main window, driven through its widgets the way a user drives it.
#include "main_form.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolTip>
#include <algorithm>

#include "description.h"
#include "qt_translation.h"
#include "report.h"
#include "window_fixture.h"

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The report for the leg BC = 1 as the result box shows it.
const QString kLegBcOne = QStringLiteral(
    "Катет BC = 1\nКатет AC = 1,73205080756888\nХипотенуза AB = 2\n"
    "Изчислен периметър P = 4,73205080756888\nПроверка с теорема на Питагор:\n1 + 3 = 4");

}  // namespace

class MainFormTest : public QObject, public WindowFixture {
    Q_OBJECT

  private:
    void Type(const QString& text) const { QTest::keyClicks(Input(), text); }

  private slots:
    void initTestCase() {
        QuietOffscreenSizeHints();
        InstallQtTranslation();
    }

    void init() { QVERIFY(OpenWindow()); }
    void cleanup() { form_.reset(); }

    // --- layout ---

    // Every control of the description, as the window has built it.
    void controlsStandWhereTheLayoutPutsThem_data() {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < triangle30::form::kControls.size(); ++i) {
            const triangle30::form::Control& control = triangle30::form::kControls.at(i);
            QTest::addRow("%s", triangle30::form::Handle(control).c_str()) << static_cast<int>(i);
        }
    }

    void controlsStandWhereTheLayoutPutsThem() {
        QFETCH(int, row);
        using triangle30::form::ControlKind;
        const triangle30::form::Control& control =
            triangle30::form::kControls.at(static_cast<std::size_t>(row));
        auto* widget = Control<QWidget>(QString::fromStdString(triangle30::form::Handle(control)));
        QCOMPARE(widget->geometry(),
                 QRect(control.left, control.top, control.width, control.height));
        if (control.kind == ControlKind::Option) {
            const QWidget* frame = widget->parentWidget();
            QVERIFY(frame != nullptr);
            QCOMPARE(frame->objectName(), QStringLiteral("Frame1_0"));
        }
        if (auto* label = qobject_cast<QLabel*>(widget);
            label && control.kind == ControlKind::Label) {
            QCOMPARE(label->text(), FromUtf8(control.text));
            QVERIFY(label->alignment() & Qt::AlignHCenter);
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            QCOMPARE(button->text(), FromUtf8(control.text));
        }
        QCOMPARE(widget->accessibleName(), FromUtf8(control.accessibleName));
        QVERIFY(!widget->accessibleName().isEmpty());
        QCOMPARE(widget->toolTip(), FromUtf8(control.toolTip));
        if (control.background) {
            const QColor background(control.background->red, control.background->green,
                                    control.background->blue);
            QVERIFY(widget->autoFillBackground());
            QCOMPARE(widget->palette().color(widget->backgroundRole()), background);
            if (qobject_cast<QPushButton*>(widget)) {
                QCOMPARE(widget->palette().color(QPalette::Button), background);
                // The face shows exactly that colour, flat, whatever the platform's style:
                // beside the caption, at the top and at the bottom alike.
                const QImage image = widget->grab().toImage();
                for (const int y :
                     {image.height() / 4, image.height() / 2, image.height() * 3 / 4}) {
                    QCOMPARE(image.pixelColor(image.width() / 10, y), background);
                }
            }
        }
    }

    void windowHasItsSizeCaptionColourAndFont() {
        namespace form = triangle30::form;
        QCOMPARE(form_->size(), QSize(form::kClientWidth, form::kClientHeight));
        QCOMPARE(form_->objectName(), FromUtf8(form::kFormName));
        QCOMPARE(form_->windowTitle(), FromUtf8(form::kWindowTitle));
        QCOMPARE(form_->palette().color(QPalette::Window),
                 QColor(form::kWindowBackground.red, form::kWindowBackground.green,
                        form::kWindowBackground.blue));

        const QFontInfo info(form_->font());
        QVERIFY2(std::find(form::kFontFamilies.begin(), form::kFontFamilies.end(),
                           info.family().toStdString()) != form::kFontFamilies.end(),
                 qPrintable(info.family()));
        QCOMPARE(info.pointSize(), form::kFontPointSize);
        QCOMPARE(info.weight(), int(QFont::Normal));
        QVERIFY(!info.italic() && !info.underline() && !info.strikeOut());
        for (QWidget* child : form_->findChildren<QWidget*>()) {
            QVERIFY2(!child->testAttribute(Qt::WA_SetFont), qPrintable(child->objectName()));
            QCOMPARE(QFontInfo(child->font()).family(), info.family());
        }
        // Every letter of the window's texts, Cyrillic included, is in the font itself.
        QFontMetrics metrics(form_->font());
        for (QChar c : QStringLiteral("Периметър правоъгълен триъгълник ъглополовяща Изчисти "
                                      "абвгдежзийклмнопрстуфхцчшщъьюя")) {
            QVERIFY2(metrics.inFont(c), qPrintable(QString(c)));
        }
    }

    void drawingAndIconAreCompiledIn() {
        const QPixmap drawing = Control<QLabel>(QStringLiteral("Picture1_0"))->pixmap();
        QCOMPARE(drawing.deviceIndependentSize().toSize(), QSize(326, 149));
        // Scaled screens get the drawing made twice as fine, not the plain one enlarged.
        QCOMPARE(drawing.size(),
                 form_->devicePixelRatioF() > 1 ? QSize(652, 298) : QSize(326, 149));
        QCOMPARE(Control<QLabel>(QStringLiteral("Picture1_0"))->contentsRect().size(),
                 QSize(326, 149));
        const QImage icon(QStringLiteral(":/triangle30/triangle30.png"));
        QCOMPARE(icon.size(), QSize(32, 32));
        QCOMPARE(icon.format(), QImage::Format_Indexed8);
    }

    void tabOrderFollowsTheLayout() {
        const QStringList expected = {"Text1_0",    "Option1_0",  "Option1_1", "Option1_2",
                                      "Option1_3",  "Option1_4",  "Option1_5", "Text2_0",
                                      "Command1_0", "Command1_1", "Option1_6"};
        QStringList order;
        QWidget* widget = ResultBox();
        do {
            if (widget->focusPolicy() & Qt::TabFocus && widget->isVisible()) {
                order << widget->objectName();
            }
            widget = widget->nextInFocusChain();
        } while (widget != ResultBox());
        QCOMPARE(order, expected);
    }

    void inputMenuIsBulgarian() {
        const std::unique_ptr<QMenu> menu(Input()->createStandardContextMenu());
        QVERIFY(!menu->actions()
                     .front()
                     ->text()
                     .section(QLatin1Char('\t'), 0, 0)
                     .contains(QRegularExpression("[A-Za-z]")));
    }

    // --- behaviour ---

    void startsWithTheTaskAndNothingChosen() {
        MainForm fresh(",");
        QCOMPARE(fresh.givenIndex(), 0);
        fresh.Form_Load();
        QCOMPARE(fresh.givenIndex(), -1);

        QCOMPARE(form_->givenIndex(), -1);
        QCOMPARE(ResultBox()->toPlainText(),
                 FromUtf8(triangle30::ToLineFeeds(triangle30::form::kTaskText)));
        QVERIFY(Input()->text().isEmpty());
        QVERIFY(NoOptionChecked());
        QCOMPARE(QApplication::focusWidget(), ResultBox());
    }

    void calculateWithNothingChosenChangesNothing() {
        Type(QStringLiteral("5"));
        ClickCalculate();
        QCOMPARE(ResultBox()->toPlainText(),
                 FromUtf8(triangle30::ToLineFeeds(triangle30::form::kTaskText)));
        QCOMPARE(Input()->text(), QStringLiteral("5"));
        QCOMPARE(form_->givenIndex(), -1);
    }

    void checkingAnOptionOnlyChoosesTheQuantity() {
        Type(QStringLiteral("7"));
        for (int i : {3, 0, 6}) {
            // At the right end of the option's area, beyond even the longest caption.
            QTest::mouseClick(Option(i), Qt::LeftButton, {}, QPoint(125, 10));
            QCOMPARE(form_->givenIndex(), i);
            QCOMPARE(Input()->text(), QStringLiteral("7"));
            QCOMPARE(ResultBox()->toPlainText(),
                     FromUtf8(triangle30::ToLineFeeds(triangle30::form::kTaskText)));
        }
        // The keyboard checks an option too.
        Option(0)->setFocus();
        QTest::keyClick(Option(0), Qt::Key_Space);
        QCOMPARE(form_->givenIndex(), 0);
    }

    void calculateWritesTheReportOnceEachTime() {
        Compute(0, QStringLiteral("1"));
        QCOMPARE(ResultBox()->toPlainText(), kLegBcOne);
        ClickCalculate();
        QCOMPARE(ResultBox()->toPlainText(), kLegBcOne);
    }

    void anotherOptionWaitsForCalculate() {
        Compute(0, QStringLiteral("1"));
        QTest::mouseClick(Option(4), Qt::LeftButton);
        QCOMPARE(ResultBox()->toPlainText(), kLegBcOne);
        Compute(4, QStringLiteral("10"));
        QVERIFY(ResultBox()->toPlainText().startsWith(QStringLiteral("Катет BC = 10\n")));
        QVERIFY(ResultBox()->toPlainText().endsWith(QStringLiteral("\n100 + 300 = 400")));
    }

    void clearResetsEverything() {
        Compute(2, QStringLiteral("10"));
        ClickClear();
        QVERIFY(NoOptionChecked());
        QCOMPARE(form_->givenIndex(), -1);
        QVERIFY(Input()->text().isEmpty());
        QVERIFY(ResultBox()->toPlainText().isEmpty());
        QTest::keyClick(Input(), Qt::Key_Z, Qt::ControlModifier);  // nothing comes back
        QVERIFY(Input()->text().isEmpty());
        // After a clear the same option can be chosen again.
        QTest::mouseClick(Option(2), Qt::LeftButton);
        QCOMPARE(form_->givenIndex(), 2);
    }

    void enterInTheInputCalculates() {
        QTest::mouseClick(Option(0), Qt::LeftButton);
        Type(QStringLiteral("1"));
        QTest::keyClick(Input(), Qt::Key_Return);
        QCOMPARE(ResultBox()->toPlainText(), kLegBcOne);
        ClickClear();
        QTest::mouseClick(Option(0), Qt::LeftButton);
        Type(QStringLiteral("1"));
        QTest::keyClick(Input(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(ResultBox()->toPlainText(), kLegBcOne);
        // Enter presses a focused button, as on the desktop.
        Button(1)->setFocus();
        QTest::keyClick(Button(1), Qt::Key_Return);
        QVERIFY(ResultBox()->toPlainText().isEmpty());
    }

    void numpadDecimalKeyTypesAPeriod_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("keyText");
        QTest::newRow("comma layouts") << int(Qt::Key_Comma) << ",";
        QTest::newRow("period layouts") << int(Qt::Key_Period) << ".";
    }

    void numpadDecimalKeyTypesAPeriod() {
        QFETCH(int, key);
        QFETCH(QString, keyText);
        Input()->setFocus();
        QTest::keyClick(Input(), Qt::Key_2, Qt::KeypadModifier);
        QTest::sendKeyEvent(QTest::Click, Input(), Qt::Key(key), keyText, Qt::KeypadModifier);
        QTest::keyClick(Input(), Qt::Key_5, Qt::KeypadModifier);
        QCOMPARE(Input()->text(), QStringLiteral("2.5"));
        // The main keyboard's comma stays a comma: the student sees what was typed.
        QTest::keyClick(Input(), Qt::Key_Comma);
        QCOMPARE(Input()->text(), QStringLiteral("2.5,"));
    }

    void reportCanBeSelectedAndCopied() {
        Compute(0, QStringLiteral("1"));
        ResultBox()->setFocus();
        QTest::keyClick(ResultBox(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(ResultBox(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), kLegBcOne);
        // Typing into the result box changes nothing.
        QTest::keyClicks(ResultBox(), QStringLiteral("xyz"));
        QCOMPARE(ResultBox()->toPlainText(), kLegBcOne);
    }

    void aLongPasteIsCutAndTheStudentToldSo() {
        QApplication::clipboard()->setText(QString(1 << 20, QLatin1Char('1')));
        QTest::keyClick(Input(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Input()->text(), QString(triangle30::form::kInputMaxLength, QLatin1Char('1')));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), FromUtf8(triangle30::form::kInputCutNotice));
    }

    // --- errors ---

    void calculationErrorsAreShownAndTheWindowGoesOn_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("messagePart");
        QTest::addColumn<int>("linesLeft");  // -1: the earlier report stays

        QTest::newRow("input beyond range") << 0 << "1E999"
                                            << "твърде голямо" << -1;
        QTest::newRow("negative input beyond range") << 0 << "-1E999"
                                                     << "твърде голямо" << -1;
        QTest::newRow("side beyond range") << 6 << "1e308"
                                           << "твърде голямо" << -1;
        QTest::newRow("negative area") << 6 << "-1"
                                       << "отрицателно" << -1;
        QTest::newRow("perimeter beyond range") << 2 << "1.7e308"
                                                << "твърде голямо" << 3;
        QTest::newRow("square beyond range") << 0 << "1E+200"
                                             << "твърде голямо" << 5;
    }

    void calculationErrorsAreShownAndTheWindowGoesOn() {
        QFETCH(int, option);
        QFETCH(QString, input);
        QFETCH(QString, messagePart);
        QFETCH(int, linesLeft);

        Compute(0, QStringLiteral("1"));  // an earlier report
        Compute(option, input);

        QMessageBox* message = OpenMessage();
        QVERIFY(message != nullptr);
        QVERIFY2(message->text().contains(messagePart), qPrintable(message->text()));
        QCOMPARE(message->windowTitle(), FromUtf8(triangle30::form::kErrorTitle));
        QCOMPARE(form_->givenIndex(), option);
        QCOMPARE(Input()->text(), input);
        const QString text = ResultBox()->toPlainText();
        if (linesLeft < 0) {
            QCOMPARE(text, kLegBcOne);
        } else {
            QCOMPARE(text.count(QLatin1Char('\n')), linesLeft);
            QVERIFY(text.endsWith(QLatin1Char('\n')));
        }

        // In Bulgarian, and it keeps the keyboard when the window behind it is clicked.
        QCOMPARE(message->buttons().size(), 1);
        QCOMPARE(message->buttons().front()->text(), FromUtf8(triangle30::form::kMessageButton));
        QApplication::setActiveWindow(form_.get());
        QTRY_COMPARE(QApplication::activeWindow(), message);
        // Closing the message returns to the window, which keeps working.
        QTest::keyClick(message, Qt::Key_Return);
        QTRY_VERIFY(OpenMessage() == nullptr);
        Compute(0, QStringLiteral("1"));
        QCOMPARE(ResultBox()->toPlainText(), kLegBcOne);
    }

    // --- display scaling (the test runs again at 125 %, 150 % and 200 %) ---

    void noTextIsClipped() {
        for (QWidget* widget : form_->findChildren<QWidget*>()) {
            QString text;
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                text = label->text();
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                text = button->text();
            }
            if (text.isEmpty()) {
                continue;
            }
            QVERIFY2(widget->sizeHint().width() <= widget->width(),
                     qPrintable(QStringLiteral("%1 needs %2 px, has %3")
                                    .arg(widget->objectName())
                                    .arg(widget->sizeHint().width())
                                    .arg(widget->width())));
            const QFontMetrics metrics(widget->font(), widget);
            QVERIFY2(metrics.height() <= widget->height(), qPrintable(widget->objectName()));
        }
        const QImage picture = form_->grab().toImage();
        QCOMPARE(picture.size(), (QSizeF(499, 351) * form_->devicePixelRatioF()).toSize());
    }
};

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
