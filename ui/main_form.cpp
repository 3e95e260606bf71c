#include "main_form.h"

#include <QButtonGroup>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QToolTip>
#include <utility>

#include "description.h"
#include "errors.h"
#include "number_text.h"
#include "report.h"
#include "widgets.h"

namespace form = triangle30::form;

namespace {

// The drawing's and the icon's paths in the compiled-in resources; the drawing also comes
// drawn twice as fine, for screens scaled beyond 100 %.
constexpr std::string_view kDrawingPath = ":/triangle30/triangle.jpg";
constexpr std::string_view kFineDrawingPath = ":/triangle30/triangle@2x.jpg";
constexpr std::string_view kIconPath = ":/triangle30/triangle30.png";

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The result box as the core sees it. The widget keeps lines apart by line feeds; the core's
// text has CR LF.
class PlainTextEditResultBox final : public triangle30::ResultBox {
  public:
    explicit PlainTextEditResultBox(QPlainTextEdit* box) : box_(box) {}
    std::string GetText() const override {
        return triangle30::ToBoxLineEnds(box_->toPlainText().toStdString());
    }
    void SetText(std::string_view text) override {
        box_->setPlainText(FromUtf8(triangle30::ToLineFeeds(text)));
    }

  private:
    QPlainTextEdit* box_;
};

void SetBackground(QWidget* widget, const form::Rgb& colour) {
    QPalette palette = widget->palette();
    const QColor c(colour.red, colour.green, colour.blue);
    palette.setColor(QPalette::Window, c);
    palette.setColor(QPalette::Button, c);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A compiled-in image in the named format. Qt otherwise asks every image plugin it has whether
// it reads that format too, and loads each (gif, ico, ...) to ask.
QImage ReadImage(std::string_view path, const char* format) {
    QImageReader reader(FromUtf8(path), format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QPlainTextEdit* MakeResultBox(std::string_view text, QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    PlainTextEditResultBox(box).SetText(text);
    return box;
}

QLabel* MakeLabel(std::string_view text, QWidget* parent) {
    auto* label = new QLabel(FromUtf8(text), parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

// The drawing, made twice as fine for screens of more device pixels than layout pixels.
QLabel* MakePicture(QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(form::kPictureBorder);
    const bool fine = parent->devicePixelRatioF() > 1;
    QPixmap drawing = QPixmap::fromImage(ReadImage(fine ? kFineDrawingPath : kDrawingPath, "jpeg"));
    drawing.setDevicePixelRatio(fine ? 2 : 1);
    picture->setPixmap(drawing);
    return picture;
}

QFont WindowFont() {
    QStringList families;
    for (const std::string_view family : form::kFontFamilies) {
        families << FromUtf8(family);
    }
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::Serif);
    font.setPointSize(form::kFontPointSize);
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace

MainForm::MainForm(std::string decimalSeparator, QWidget* parent)
    : QWidget(parent), decimalSeparator_(std::move(decimalSeparator)) {
    setObjectName(FromUtf8(form::kFormName));
    setWindowTitle(FromUtf8(form::kWindowTitle));
    setWindowIcon(QIcon(QPixmap::fromImage(ReadImage(kIconPath, "png"))));
    setFixedSize(form::kClientWidth, form::kClientHeight);
    setFont(WindowFont());
    SetBackground(this, form::kWindowBackground);
    BuildControls();
}

void MainForm::BuildControls() {
    option1Group_ = new QButtonGroup(this);
    QWidget* previous = nullptr;
    for (const form::Control& row : form::kControls) {
        QWidget* widget = MakeControl(row);
        widget->setObjectName(QString::fromStdString(form::Handle(row)));
        widget->setGeometry(row.left, row.top, row.width, row.height);
        widget->setAccessibleName(FromUtf8(row.accessibleName));
        widget->setToolTip(FromUtf8(row.toolTip));
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

QWidget* MainForm::MakeControl(const form::Control& row) {
    const auto index = static_cast<std::size_t>(row.index);
    switch (row.kind) {
        case form::ControlKind::ResultBox:
            return Text1.at(index) = MakeResultBox(row.text, this);
        case form::ControlKind::Label:
            return Label1.at(index) = MakeLabel(row.text, this);
        case form::ControlKind::Picture:
            return Picture1 = MakePicture(this);
        case form::ControlKind::Frame:
            Frame1 = new QFrame(this);
            Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
            return Frame1;
        case form::ControlKind::Option: {
            Q_ASSERT(Frame1 != nullptr);  // the table lists the frame before its options
            auto* option = new WholeAreaRadioButton(FromUtf8(row.text), Frame1);
            option1Group_->addButton(option, row.index);
            return Option1.at(index) = option;
        }
        case form::ControlKind::Input: {
            auto* input =
                new NumpadPointLineEdit(QLatin1Char(triangle30::kInputDecimalPoint), this);
            input->setMaxLength(form::kInputMaxLength);
            connect(input, &QLineEdit::inputRejected, input, [input] {
                QToolTip::showText(input->mapToGlobal(QPoint(0, input->height())),
                                   FromUtf8(form::kInputCutNotice), input);
            });
            connect(input, &QLineEdit::returnPressed, this, [this] { Command1_Click(0); });
            return Text2.at(index) = input;
        }
        case form::ControlKind::Button: {
            auto* button = new ColouredButton(FromUtf8(row.text), this);
            connect(button, &QPushButton::clicked, this,
                    [this, i = row.index] { Command1_Click(i); });
            return Command1.at(index) = button;
        }
    }
    Q_UNREACHABLE();
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
    Text2[0]->setText(QString());  // unlike clear(), leaves nothing to undo
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
    PlainTextEditResultBox box(Text1[0]);
    try {
        triangle30::Calculate(GivenIndex, Text2[0]->text().toStdString(), box, decimalSeparator_);
    } catch (const triangle30::CalculationError& error) {
        ShowCalculationError(error.what());
    }
}

void MainForm::ShowCalculationError(const char* message) {
    // Window-modal and not blocking: the handler ends at once, the input and the lines already
    // written stay as they are, and the student goes on after closing the message.
    auto* box = new QMessageBox(QMessageBox::Warning, FromUtf8(form::kErrorTitle),
                                QString::fromUtf8(message), QMessageBox::Ok, this);
    box->setObjectName(FromUtf8(form::kMessageName));
    box->button(QMessageBox::Ok)->setText(FromUtf8(form::kMessageButton));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MainForm::changeEvent(QEvent* event) {
    // While a message is open, the keyboard belongs to it, even when the student clicks the
    // window behind it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        for (QMessageBox* box : findChildren<QMessageBox*>()) {
            if (box->isVisible()) {
                box->activateWindow();
            }
        }
    }
    QWidget::changeEvent(event);
}
