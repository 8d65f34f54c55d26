#pragma once

#include <QString>

#include <concepts>
#include <exception>
#include <type_traits>
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

// Wraps a handler so that any exception it throws is shown by ShowError().
// The wrapper takes what the handler takes, so that a signal's further
// arguments are left out as they would be for the handler itself.
template <typename Handler> class GuardedHandler
{
public:
    explicit GuardedHandler(Handler handler) : m_handler(std::move(handler)) {}

    template <typename... Arguments>
    requires std::invocable<const Handler &, Arguments...>
    void operator()(Arguments &&...arguments) const
    {
        try {
            m_handler(std::forward<Arguments>(arguments)...);
        } catch (const std::exception &error) {
            ShowError(QString::fromUtf8(error.what()));
        } catch (...) {
            ShowError(QStringLiteral("Unexpected error"));
        }
    }

private:
    Handler m_handler;
};

template <typename Handler> auto Guarded(Handler &&handler)
{
    return GuardedHandler<std::decay_t<Handler>>(std::forward<Handler>(handler));
}
