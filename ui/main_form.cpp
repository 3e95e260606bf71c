#include "main_form.h"

#include <QButtonGroup>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <limits>

#include "errors.h"
#include "layout.h"
#include "number_text.h"
#include "report.h"

using triangle30::ui::ControlKind;
using triangle30::ui::ControlLayout;
using triangle30::ui::Rgb;

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The result box as the core sees it. The widget keeps lines apart by line feeds; the core's
// text has CR LF.
class TextBoxResult final : public triangle30::ResultBox {
  public:
    explicit TextBoxResult(QPlainTextEdit* box) : box_(box) {}
    std::string GetText() const override {
        return triangle30::ToBoxLineEnds(box_->toPlainText().toStdString());
    }
    void SetText(std::string_view text) override {
        box_->setPlainText(FromUtf8(triangle30::ToLineFeeds(text)));
    }

  private:
    QPlainTextEdit* box_;
};

void SetBackground(QWidget* widget, const Rgb& colour) {
    QPalette palette = widget->palette();
    const QColor c(colour.red, colour.green, colour.blue);
    palette.setColor(QPalette::Window, c);
    palette.setColor(QPalette::Button, c);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The drawing for a screen of `pixelRatio` device pixels to a pixel of the layout.
QPixmap Drawing(qreal pixelRatio) {
    const bool fine = pixelRatio > 1;
    QPixmap drawing(
        FromUtf8(fine ? triangle30::ui::kFineDrawingPath : triangle30::ui::kDrawingPath));
    drawing.setDevicePixelRatio(fine ? 2 : 1);
    return drawing;
}

QFont WindowFont() {
    QFont font;
    font.setFamilies(
        {FromUtf8(triangle30::ui::kFontFamily), FromUtf8(triangle30::ui::kFallbackFontFamily)});
    font.setStyleHint(QFont::Serif);
    font.setPointSize(triangle30::ui::kFontPointSize);
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace

MainForm::MainForm(const QString& decimalSeparator, QWidget* parent)
    : QWidget(parent), decimalSeparator_(decimalSeparator.toStdString()) {
    setWindowTitle(FromUtf8(triangle30::kWebAddress) + QLatin1Char(' ') +
                   FromUtf8(triangle30::kCaptionText));
    setWindowIcon(QIcon(FromUtf8(triangle30::ui::kIconPath)));  // its messages' icon too
    setFixedSize(triangle30::ui::kClientWidth, triangle30::ui::kClientHeight);
    setFont(WindowFont());
    SetBackground(this, triangle30::ui::kWindowBackground);
    BuildControls();
}

void MainForm::BuildControls() {
    option1Group_ = new QButtonGroup(this);
    // The coloured buttons are drawn by Fusion, which paints a button in its palette colour
    // where most platform styles do not; a second Fusion is made only where the window's own
    // style is another.
    QStyle* buttonStyle = style();
    if (buttonStyle->name() != QLatin1String("fusion")) {
        buttonStyle = QStyleFactory::create(QStringLiteral("Fusion"));
        buttonStyle->setParent(this);
    }

    QWidget* previous = nullptr;
    for (const ControlLayout& row : triangle30::ui::kControls) {
        const auto index = static_cast<std::size_t>(row.index);
        const QString text = FromUtf8(row.text);
        QWidget* widget = nullptr;
        switch (row.kind) {
            case ControlKind::ResultBox: {
                auto* box = new QPlainTextEdit(this);
                box->setReadOnly(true);
                box->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                             Qt::TextSelectableByKeyboard);
                box->setFocusPolicy(Qt::StrongFocus);
                box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
                box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
                box->setAccessibleName(QStringLiteral("Резултат"));
                Text1[index] = box;
                TextBoxResult(box).SetText(row.text);
                widget = box;
                break;
            }
            case ControlKind::Label: {
                auto* label = new QLabel(text, this);
                label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
                Label1[index] = label;
                widget = label;
                break;
            }
            case ControlKind::Picture: {
                Picture1 = new QLabel(this);
                Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                Picture1->setLineWidth(2);
                Picture1->setPixmap(Drawing(devicePixelRatioF()));
                Picture1->setAccessibleName(QStringLiteral("Чертеж на триъгълника ABC"));
                widget = Picture1;
                break;
            }
            case ControlKind::Frame:
                Frame1 = new QFrame(this);
                Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
                Frame1->setAccessibleName(QStringLiteral("Дадено е"));
                widget = Frame1;
                break;
            case ControlKind::Option: {
                auto* option = new QRadioButton(text, Frame1);
                option->setToolTip(FromUtf8(triangle30::kSolutionFormulas[index]));
                option1Group_->addButton(option, row.index);
                Option1[index] = option;
                widget = option;
                break;
            }
            case ControlKind::Input: {
                auto* input = new QLineEdit(this);
                input->setMaxLength(std::numeric_limits<int>::max());
                input->setToolTip(FromUtf8(triangle30::kInputHint));
                input->setAccessibleName(Label1[1]->text());
                input->installEventFilter(this);
                connect(input, &QLineEdit::returnPressed, this, [this] { Command1_Click(0); });
                Text2[index] = input;
                widget = input;
                break;
            }
            case ControlKind::Button: {
                auto* button = new QPushButton(text, this);
                if (buttonStyle != style()) {
                    button->setStyle(buttonStyle);
                }
                connect(button, &QPushButton::clicked, this,
                        [this, index = row.index] { Command1_Click(index); });
                Command1[index] = button;
                widget = button;
                break;
            }
        }
        widget->setObjectName(FromUtf8(row.name) + QLatin1Char('_') + QString::number(row.index));
        widget->setGeometry(row.left, row.top, row.width, row.height);
        if (widget->accessibleName().isEmpty()) {
            widget->setAccessibleName(text);
        }
        if (row.background) {
            SetBackground(widget, *row.background);
        }
        if (widget->focusPolicy() != Qt::NoFocus) {
            if (previous != nullptr) {
                setTabOrder(previous, widget);
            }
            previous = widget;
        }
    }
    connect(option1Group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            Option1_Click(id);
        }
    });
    Text1[0]->setFocus();
}

void MainForm::Form_Load() {
    ResetInputs();
}

void MainForm::ResetInputs() {
    // An exclusive group keeps one option checked; unchecking all needs it lifted for a moment.
    option1Group_->setExclusive(false);
    for (QRadioButton* option : Option1) {
        option->setChecked(false);
    }
    option1Group_->setExclusive(true);
    GivenIndex = -1;
    Text2[0]->clear();
}

void MainForm::Option1_Click(int index) {
    GivenIndex = static_cast<std::int16_t>(index);
}

void MainForm::Command1_Click(int index) {
    if (index == 1) {
        ResetInputs();
        Text1[0]->clear();
        return;
    }
    TextBoxResult box(Text1[0]);
    try {
        triangle30::Calculate(GivenIndex, Text2[0]->text().toStdString(), box, decimalSeparator_);
    } catch (const triangle30::OverflowError& error) {
        ShowCalculationError(error.what());
    } catch (const triangle30::DomainError& error) {
        ShowCalculationError(error.what());
    }
}

void MainForm::ShowCalculationError(const char* message) {
    // Window-modal and not blocking: the handler ends at once, the input and the lines already
    // written stay as they are, and the student goes on after closing the message.
    auto* box = new QMessageBox(QMessageBox::Warning, FromUtf8(triangle30::kErrorTitle),
                                QString::fromUtf8(message), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    // The numpad's decimal key types the input's decimal point whatever the keyboard layout.
    if (watched == Text2[0] && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & Qt::KeypadModifier) &&
            (key->key() == Qt::Key_Comma || key->key() == Qt::Key_Period)) {
            Text2[0]->insert(QString(QLatin1Char(triangle30::kInputDecimalPoint)));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
