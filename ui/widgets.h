// General-purpose widgets of the window: a button drawn in its own colour, an option that
// reacts on its whole area, and an input whose numpad decimal key types a fixed character.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

// A push button drawn in its own colour, flat, under every style: the face is the palette's
// button colour exactly, with a raised edge that sinks while the button is down, and the
// style's focus frame while it has the focus. Enter presses it when it has the focus, as
// Space does.
class ColouredButton final : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// An option that checks wherever its area is clicked, not only on its circle and caption.
class WholeAreaRadioButton final : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// A line edit whose numpad decimal key types `decimalPoint`, whatever the keyboard layout
// says that key is (a comma on a Bulgarian one).
class NumpadPointLineEdit final : public QLineEdit {
  public:
    NumpadPointLineEdit(QChar decimalPoint, QWidget* parent)
        : QLineEdit(parent), decimalPoint_(decimalPoint) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QChar decimalPoint_;
};
