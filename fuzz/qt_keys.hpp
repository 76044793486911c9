#pragma once

// What the widget fuzz targets share: a key with its modifiers, the key a character is typed
// with, and Qt's messages kept off the fuzzer's output (but the critical and fatal ones).

#include <QChar>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace binora::fuzz {

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

inline constexpr Qt::KeyboardModifiers NONE = Qt::NoModifier;
inline constexpr Qt::KeyboardModifiers SHIFT = Qt::ShiftModifier;
inline constexpr Qt::KeyboardModifiers CTRL = Qt::ControlModifier;

// The key a character is typed with; Key_unknown for one no key types alone.
inline Qt::Key key_of(QChar c) {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return static_cast<Qt::Key>(Qt::Key_0 + (c.unicode() - '0'));
    const QChar upper = c.toUpper();
    if (upper >= QLatin1Char('A') && upper <= QLatin1Char('Z'))
        return static_cast<Qt::Key>(Qt::Key_A + (upper.unicode() - 'A'));
    switch (c.unicode()) {
    case ' ':
        return Qt::Key_Space;
    case '.':
        return Qt::Key_Period;
    case ',':
        return Qt::Key_Comma;
    case '-':
        return Qt::Key_Minus;
    case '+':
        return Qt::Key_Plus;
    default:
        return Qt::Key_unknown;
    }
}

// A message handler for qInstallMessageHandler: Qt's warnings (about fonts and the like)
// would flood the fuzzer's output.
inline void quiet_qt_messages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "Qt: %s\n", message.toLocal8Bit().constData());
    if (type == QtFatalMsg) std::abort();
}

} // namespace binora::fuzz
