// MainForm: the program's one window, a thin binding of the window's description (form/) and
// the core's Calculate.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <string>

#include "triangle.h"

class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace triangle30::form {
struct Control;
}

class MainForm : public QWidget {
    Q_OBJECT

  public:
    // `decimalSeparator` is the one written in every number of a report.
    explicit MainForm(std::string decimalSeparator, QWidget* parent = nullptr);

    // The load of the window: run once, before the window is first shown.
    void Form_Load();

    // Unchecks every option, forgets the chosen quantity and empties the input.
    void ResetInputs();

    // The chosen quantity: -1 while nothing is chosen, else the index of the checked option.
    // 0 until Form_Load.
    std::int16_t givenIndex() const { return GivenIndex; }

  private:
    void Command1_Click(int index);
    void Option1_Click(int index);
    void ShowCalculationError(const char* message);
    void BuildControls();
    QWidget* MakeControl(const triangle30::form::Control& row);
    void changeEvent(QEvent* event) override;

    // The controls, by the names of the window's description.
    std::array<QPushButton*, 2> Command1{};
    std::array<QRadioButton*, triangle30::kGivenKindCount> Option1{};
    std::array<QPlainTextEdit*, 1> Text1{};
    std::array<QLineEdit*, 1> Text2{};
    std::array<QLabel*, 2> Label1{};
    QFrame* Frame1 = nullptr;
    QLabel* Picture1 = nullptr;

    std::int16_t GivenIndex = 0;
    QButtonGroup* option1Group_ = nullptr;
    std::string decimalSeparator_;
};
