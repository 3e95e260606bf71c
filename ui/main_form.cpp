#include "main_form.h"

#include <qdrawutil.h>

#include <QButtonGroup>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QToolTip>
#include <utility>

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

// A push button drawn in its own colour, flat, under every style: the face is the palette's
// button colour exactly, with a raised edge that sinks while the button is down, and the
// style's focus frame while it has the focus.
class ColouredButton final : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    // Enter presses the focused button, as Space does.
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }

    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        const bool sunken = isDown();
        const QBrush face = palette().brush(QPalette::Button);
        qDrawWinButton(&painter, rect(), palette(), sunken, &face);
        const QRect caption = rect().translated(sunken ? QPoint(1, 1) : QPoint());
        style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                              isEnabled(), text(), QPalette::ButtonText);
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect().adjusted(4, 4, -4, -4);
            focus.backgroundColor = face.color();
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
};

// An option that checks wherever its area is clicked, not only on its circle and caption.
class WholeAreaRadioButton final : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

void SetBackground(QWidget* widget, const Rgb& colour) {
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

// The drawing for a screen of `pixelRatio` device pixels to a pixel of the layout.
QPixmap Drawing(qreal pixelRatio) {
    const bool fine = pixelRatio > 1;
    QPixmap drawing = QPixmap::fromImage(
        ReadImage(fine ? triangle30::ui::kFineDrawingPath : triangle30::ui::kDrawingPath, "jpeg"));
    drawing.setDevicePixelRatio(fine ? 2 : 1);
    return drawing;
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

QLabel* MakePicture(QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(2);
    picture->setPixmap(Drawing(parent->devicePixelRatioF()));
    return picture;
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

MainForm::MainForm(std::string decimalSeparator, QWidget* parent)
    : QWidget(parent), decimalSeparator_(std::move(decimalSeparator)) {
    setWindowTitle(FromUtf8(triangle30::ui::kWebAddress) + QLatin1Char(' ') +
                   FromUtf8(triangle30::ui::kCaptionText));
    setWindowIcon(QIcon(QPixmap::fromImage(ReadImage(triangle30::ui::kIconPath, "png"))));
    setFixedSize(triangle30::ui::kClientWidth, triangle30::ui::kClientHeight);
    setFont(WindowFont());
    SetBackground(this, triangle30::ui::kWindowBackground);
    BuildControls();
}

void MainForm::BuildControls() {
    option1Group_ = new QButtonGroup(this);
    QWidget* previous = nullptr;
    for (const ControlLayout& row : triangle30::ui::kControls) {
        QWidget* widget = MakeControl(row);
        widget->setObjectName(FromUtf8(row.name) + QLatin1Char('_') + QString::number(row.index));
        widget->setGeometry(row.left, row.top, row.width, row.height);
        widget->setAccessibleName(FromUtf8(row.accessibleName));
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

QWidget* MainForm::MakeControl(const ControlLayout& row) {
    const auto index = static_cast<std::size_t>(row.index);
    switch (row.kind) {
        case ControlKind::ResultBox:
            return Text1.at(index) = MakeResultBox(row.text, this);
        case ControlKind::Label:
            return Label1.at(index) = MakeLabel(row.text, this);
        case ControlKind::Picture:
            return Picture1 = MakePicture(this);
        case ControlKind::Frame:
            return Frame();
        case ControlKind::Option: {
            auto* option = new WholeAreaRadioButton(FromUtf8(row.text), Frame());
            option->setToolTip(FromUtf8(triangle30::ui::kSolutionFormulas.at(index)));
            option1Group_->addButton(option, row.index);
            return Option1.at(index) = option;
        }
        case ControlKind::Input: {
            auto* input = new QLineEdit(this);
            input->setMaxLength(triangle30::ui::kInputMaxLength);
            input->setToolTip(FromUtf8(triangle30::ui::kInputHint));
            input->installEventFilter(this);
            connect(input, &QLineEdit::inputRejected, input, [input] {
                QToolTip::showText(
                    input->mapToGlobal(QPoint(0, input->height())),
                    FromUtf8(triangle30::ui::kInputCut).arg(triangle30::ui::kInputMaxLength),
                    input);
            });
            connect(input, &QLineEdit::returnPressed, this, [this] { Command1_Click(0); });
            return Text2.at(index) = input;
        }
        case ControlKind::Button: {
            auto* button = new ColouredButton(FromUtf8(row.text), this);
            connect(button, &QPushButton::clicked, this,
                    [this, i = row.index] { Command1_Click(i); });
            return Command1.at(index) = button;
        }
    }
    Q_UNREACHABLE();
}

QFrame* MainForm::Frame() {
    // Made by whichever comes first, its own row or an option's, so the table's order of
    // rows is free.
    if (Frame1 == nullptr) {
        Frame1 = new QFrame(this);
        Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    }
    return Frame1;
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
    auto* box = new QMessageBox(QMessageBox::Warning, FromUtf8(triangle30::ui::kErrorTitle),
                                QString::fromUtf8(message), QMessageBox::Ok, this);
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
