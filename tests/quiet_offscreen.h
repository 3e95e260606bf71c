// Drops the offscreen platform's warning that it passes no size hints to a window manager,
// which it prints for every message box; every other message goes through as before.
#pragma once

#include <QString>
#include <QtGlobal>

inline void QuietOffscreenSizeHints() {
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.contains(QLatin1String("propagateSizeHints"))) {
                previous(type, context, message);
            }
        });
}
