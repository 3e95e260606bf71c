#include "widgets.h"

#include <qdrawutil.h>

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

void ColouredButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void ColouredButton::paintEvent(QPaintEvent* /*event*/) {
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

void NumpadPointLineEdit::keyPressEvent(QKeyEvent* event) {
    if ((event->modifiers() & Qt::KeypadModifier) &&
        (event->key() == Qt::Key_Comma || event->key() == Qt::Key_Period)) {
        insert(QString(decimalPoint_));
        return;
    }
    QLineEdit::keyPressEvent(event);
}
