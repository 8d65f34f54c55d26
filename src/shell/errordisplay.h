#pragma once

#include <QString>

#include <exception>
#include <utility>

class QWidget;

// How an error that escapes an event handler reaches the user: a message box
// captioned with the application's name, with an error icon and OK. The
// program then carries on.
//
// Qt is built without exception support here, so no exception may unwind
// through its frames: every handler is bound through Guarded(), which stops
// errors at the handler's edge.

// The message as shown: a period is added unless the text already ends in a
// character that sorts at or before it (such as "." or "!").
QString ErrorText(const QString &message);

void ShowError(const QString &message);

// Wraps a handler (called without arguments) so that any exception it throws
// is shown by ShowError().
template <typename Handler> auto Guarded(Handler &&handler)
{
    return [handler = std::forward<Handler>(handler)] {
        try {
            handler();
        } catch (const std::exception &error) {
            ShowError(QString::fromUtf8(error.what()));
        } catch (...) {
            ShowError(QStringLiteral("Unexpected error"));
        }
    };
}
