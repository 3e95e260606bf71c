// Tests of the main window, driven through its widgets the way a user drives it.
#include "main_form.h"

#include <QApplication>
#include <QButtonGroup>
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
#include <array>

#include "qt_translation.h"
#include "report.h"
#include "window_fixture.h"
#include "window_texts.h"

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

    void controlsStandWhereTheLayoutPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("background");  // invalid: the style's own

        const QColor label(255, 192, 128);
        const QColor option(192, 255, 192);
        QTest::newRow("result box")
            << "Text1_0"
            << "QPlainTextEdit" << QRect(8, 224, 481, 121) << QString() << QColor();
        QTest::newRow("title") << "Label1_0"
                               << "QLabel" << QRect(24, 0, 457, 25)
                               << "Периметър на правоъгълен триъгълник с остър ъгъл 30 градуса"
                               << label;
        QTest::newRow("picture") << "Picture1_0"
                                 << "QLabel" << QRect(8, 32, 330, 153) << QString() << QColor();
        QTest::newRow("frame") << "Frame1_0"
                               << "QFrame" << QRect(352, 32, 137, 145) << QString()
                               << QColor(192, 192, 255);
        const std::array<const char*, 7> captions = {"катет BC",    "катет AC",   "хипотенуза AB",
                                                     "височина CH", "медиана CM", "бисектриса CL",
                                                     "лице S"};
        for (int i = 0; i < 7; ++i) {
            QTest::addRow("option %d", i)
                << QStringLiteral("Option1_%1").arg(i) << "QRadioButton"
                << QRect(8, 20 * i, 129, 20) << QString::fromUtf8(captions[i]) << option;
        }
        QTest::newRow("input label")
            << "Label1_1"
            << "QLabel" << QRect(8, 192, 145, 25) << "Въведете размер:" << label;
        QTest::newRow("input") << "Text2_0"
                               << "QLineEdit" << QRect(152, 192, 89, 27) << QString() << QColor();
        QTest::newRow("calculate")
            << "Command1_0"
            << "QPushButton" << QRect(272, 192, 89, 25) << "Изчисли" << QColor(0, 255, 0);
        QTest::newRow("clear") << "Command1_1"
                               << "QPushButton" << QRect(400, 192, 89, 25) << "Изчисти"
                               << QColor(255, 128, 128);
    }

    void controlsStandWhereTheLayoutPutsThem() {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(QColor, background);
        auto* widget = form_->findChild<QWidget*>(name);
        QVERIFY(widget != nullptr);
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
        QCOMPARE(widget->geometry(), geometry);
        if (auto* label = qobject_cast<QLabel*>(widget); label && !text.isEmpty()) {
            QCOMPARE(label->text(), text);
            QVERIFY(label->alignment() & Qt::AlignHCenter);
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            QCOMPARE(button->text(), text);
        }
        if (background.isValid()) {
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
        QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(name));
    }

    void windowHasItsSizeCaptionColourAndFont() {
        QCOMPARE(form_->size(), QSize(499, 351));
        QCOMPARE(form_->windowTitle(), FromUtf8(triangle30::ui::kWebAddress) +
                                           " Геометрия - правоъгълен триъгълник, ъгъл");
        QVERIFY(form_->windowTitle().startsWith(QStringLiteral("www.")));
        QCOMPARE(form_->palette().color(QPalette::Window), QColor(192, 192, 255));

        const QFontInfo info(form_->font());
        QVERIFY2(info.family() == "Times New Roman" || info.family() == "Liberation Serif",
                 qPrintable(info.family()));
        QCOMPARE(info.pointSize(), 12);
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

    void optionsAndInputExplainThemselves() {
        for (int i = 0; i < 7; ++i) {
            QVERIFY(Option(i)->toolTip().contains(QStringLiteral("BC")));
            QVERIFY(Option(i)->toolTip().contains(QStringLiteral("=")));
        }
        QVERIFY(Option(5)->toolTip().contains(QStringLiteral("sin 75°")));
        QVERIFY(Input()->toolTip().contains(QStringLiteral("точка")));
        QVERIFY(Input()->toolTip().contains(QStringLiteral("2.5")));
        QCOMPARE(Input()->accessibleName(), QStringLiteral("Въведете размер:"));
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
        QCOMPARE(fresh.GivenIndex, 0);
        fresh.Form_Load();
        QCOMPARE(fresh.GivenIndex, -1);

        QCOMPARE(form_->GivenIndex, -1);
        // The task's sixteen lines, each ended, so an empty seventeenth.
        const QStringList task = ResultBox()->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(task.size(), 17);
        QCOMPARE(task[0],
                 "Да се състави проект реализиращ междупредметна връзка Математика и "
                 "Информатика.");
        QCOMPARE(task[2], " височина CH;");
        QCOMPARE(task[11], " ъглополовяща (бисектриса) CL;");
        QCOMPARE(task[15], "б) Изчисти - изтрива въведените данни и изчислените резултати.");
        QVERIFY(Input()->text().isEmpty());
        for (int i = 0; i < 7; ++i) {
            QVERIFY(!Option(i)->isChecked());
        }
        QCOMPARE(QApplication::focusWidget(), ResultBox());
    }

    void calculateWithNothingChosenChangesNothing() {
        Type(QStringLiteral("5"));
        ClickCalculate();
        QCOMPARE(ResultBox()->toPlainText(),
                 FromUtf8(triangle30::ToLineFeeds(triangle30::ui::kTaskText)));
        QCOMPARE(Input()->text(), QStringLiteral("5"));
        QCOMPARE(form_->GivenIndex, -1);
    }

    void checkingAnOptionOnlyChoosesTheQuantity() {
        Type(QStringLiteral("7"));
        for (int i : {3, 0, 6}) {
            // At the right end of the option's area, beyond even the longest caption.
            QTest::mouseClick(Option(i), Qt::LeftButton, {}, QPoint(125, 10));
            QCOMPARE(form_->GivenIndex, i);
            QCOMPARE(Input()->text(), QStringLiteral("7"));
            QCOMPARE(ResultBox()->toPlainText(),
                     FromUtf8(triangle30::ToLineFeeds(triangle30::ui::kTaskText)));
        }
        // The keyboard checks an option too.
        Option(0)->setFocus();
        QTest::keyClick(Option(0), Qt::Key_Space);
        QCOMPARE(form_->GivenIndex, 0);
    }

    void calculateWritesTheReportOnceEachTime() {
        QTest::mouseClick(Option(0), Qt::LeftButton);
        Type(QStringLiteral("1"));
        ClickCalculate();
        QCOMPARE(ResultBox()->toPlainText(), kLegBcOne);
        ClickCalculate();
        QCOMPARE(ResultBox()->toPlainText(), kLegBcOne);
    }

    void anotherOptionWaitsForCalculate() {
        QTest::mouseClick(Option(0), Qt::LeftButton);
        Type(QStringLiteral("1"));
        ClickCalculate();
        QTest::mouseClick(Option(4), Qt::LeftButton);
        QCOMPARE(ResultBox()->toPlainText(), kLegBcOne);
        Input()->clear();
        Type(QStringLiteral("10"));
        ClickCalculate();
        QVERIFY(ResultBox()->toPlainText().startsWith(QStringLiteral("Катет BC = 10\n")));
        QVERIFY(ResultBox()->toPlainText().endsWith(QStringLiteral("\n100 + 300 = 400")));
    }

    void clearResetsEverything() {
        QTest::mouseClick(Option(2), Qt::LeftButton);
        Type(QStringLiteral("10"));
        ClickCalculate();
        ClickClear();
        for (int i = 0; i < 7; ++i) {
            QVERIFY(!Option(i)->isChecked());
        }
        QCOMPARE(form_->GivenIndex, -1);
        QVERIFY(Input()->text().isEmpty());
        QVERIFY(ResultBox()->toPlainText().isEmpty());
        QTest::keyClick(Input(), Qt::Key_Z, Qt::ControlModifier);  // nothing comes back
        QVERIFY(Input()->text().isEmpty());
        Type(QStringLiteral("3"));
        ClickCalculate();
        QVERIFY(ResultBox()->toPlainText().isEmpty());
        // After a clear the same option can be chosen again.
        QTest::mouseClick(Option(2), Qt::LeftButton);
        QCOMPARE(form_->GivenIndex, 2);
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
        QTest::mouseClick(Option(0), Qt::LeftButton);
        Type(QStringLiteral("1"));
        ClickCalculate();
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
        QCOMPARE(Input()->text(), QString(1000, QLatin1Char('1')));
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().contains(QStringLiteral("1000 знака")));
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

        QTest::mouseClick(Option(0), Qt::LeftButton);
        Type(QStringLiteral("1"));
        ClickCalculate();  // an earlier report
        QTest::mouseClick(Option(option), Qt::LeftButton);
        Input()->clear();
        Type(input);
        ClickCalculate();

        QMessageBox* message = OpenMessage();
        QVERIFY(message != nullptr);
        QVERIFY2(message->text().contains(messagePart), qPrintable(message->text()));
        QCOMPARE(message->windowTitle(), FromUtf8(triangle30::ui::kErrorTitle));
        QCOMPARE(form_->GivenIndex, option);
        QCOMPARE(Input()->text(), input);
        const QString text = ResultBox()->toPlainText();
        if (linesLeft < 0) {
            QCOMPARE(text, kLegBcOne);
        } else {
            QCOMPARE(text.count(QLatin1Char('\n')), linesLeft);
            QVERIFY(text.endsWith(QLatin1Char('\n')));
        }

        // In Bulgarian, and it keeps the keyboard when the window behind it is clicked.
        QVERIFY2(!message->buttons().front()->text().contains(QRegularExpression("[A-Za-z]")),
                 qPrintable(message->buttons().front()->text()));
        QApplication::setActiveWindow(form_.get());
        QTRY_COMPARE(QApplication::activeWindow(), message);
        // Closing the message returns to the window, which keeps working.
        QTest::keyClick(message, Qt::Key_Return);
        QTRY_VERIFY(OpenMessage() == nullptr);
        QTest::mouseClick(Option(0), Qt::LeftButton);
        Input()->clear();
        Type(QStringLiteral("1"));
        ClickCalculate();
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
