// The window under test and the ways to reach its controls, as its tests and benchmarks use
// them: controls are found by object name (Option1_3, Command1_0, ...).
#pragma once

#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <string>

#include "main_form.h"
#include "report.h"

class WindowFixture {
  public:
    // Opens a new window, loaded and shown, that writes a decimal comma; false if it never
    // shows.
    bool OpenWindow() {
        form_ = std::make_unique<MainForm>(",");
        form_->Form_Load();
        form_->show();
        return QTest::qWaitForWindowExposed(form_.get());
    }

    template <typename T>
    T* Control(const QString& name) const {
        T* widget = form_->findChild<T*>(name);
        if (widget == nullptr) {
            qFatal("no control %s", qPrintable(name));
        }
        return widget;
    }
    QPlainTextEdit* ResultBox() const { return Control<QPlainTextEdit>(QStringLiteral("Text1_0")); }
    QLineEdit* Input() const { return Control<QLineEdit>(QStringLiteral("Text2_0")); }
    QRadioButton* Option(int i) const {
        return Control<QRadioButton>(QStringLiteral("Option1_%1").arg(i));
    }
    QPushButton* Button(int i) const {
        return Control<QPushButton>(QStringLiteral("Command1_%1").arg(i));
    }
    void ClickCalculate() const { QTest::mouseClick(Button(0), Qt::LeftButton); }
    // Chooses the option, types `text` over the input, and clicks «Изчисли».
    void Compute(int option, const QString& text) const {
        QTest::mouseClick(Option(option), Qt::LeftButton);
        Input()->clear();
        QTest::keyClicks(Input(), text);
        ClickCalculate();
    }
    bool NoOptionChecked() const {
        for (int i = 0; i < triangle30::kGivenKindCount; ++i) {
            if (Option(i)->isChecked()) {
                return false;
            }
        }
        return true;
    }
    void ClickClear() const { QTest::mouseClick(Button(1), Qt::LeftButton); }
    // The result box's text as the core wrote it, with CR LF line ends.
    std::string BoxText() const {
        return triangle30::ToBoxLineEnds(ResultBox()->toPlainText().toStdString());
    }
    QMessageBox* OpenMessage() const {
        for (QMessageBox* box : form_->findChildren<QMessageBox*>()) {
            if (box->isVisible()) {
                return box;
            }
        }
        return nullptr;
    }

    // Drops the offscreen platform's warning that it passes no size hints to a window manager,
    // which it prints for every message box; every other message goes through as before.
    static void QuietOffscreenSizeHints() {
        static QtMessageHandler previous = nullptr;
        previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.contains(QLatin1String("propagateSizeHints"))) {
                    previous(type, context, message);
                }
            });
    }

  protected:
    std::unique_ptr<MainForm> form_;
};
