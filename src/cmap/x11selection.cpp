#include "cmap/x11selection.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

// No text that names colours is this long; a longer one is not read.
constexpr std::uint32_t longestText = 64 * 1024;

constexpr int answerTime = 2000; // milliseconds

} // namespace

std::unique_ptr<X11SelectionReader> X11SelectionReader::create()
{
    const auto *x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return nullptr;
    return std::unique_ptr<X11SelectionReader>(new X11SelectionReader(x11->connection()));
}

// The window exists only to receive the text; it is never shown. Made on
// the toolkit's own connection, so that the answer comes with the toolkit's
// events.
X11SelectionReader::X11SelectionReader(xcb_connection_t *connection) : m_connection(connection)
{
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    m_window = xcb_generate_id(m_connection);
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    m_clipboard = atom("CLIPBOARD");
    m_utf8 = atom("UTF8_STRING");
    m_property = atom("TINTWRIGHT_PASTE");
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(answerTime);
    connect(&m_deadline, &QTimer::timeout, this, [this] { deliver(std::nullopt); });
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11SelectionReader::~X11SelectionReader()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    xcb_destroy_window(m_connection, m_window);
    xcb_flush(m_connection);
}

xcb_atom_t X11SelectionReader::atom(const char *name) const
{
    const auto cookie = xcb_intern_atom(m_connection, 0, std::uint16_t(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(m_connection, cookie, nullptr);
    const xcb_atom_t found = reply ? reply->atom : XCB_NONE;
    std::free(reply);
    return found;
}

void X11SelectionReader::readText(ClipboardReader::Answer answer)
{
    if (m_waiting)
        return;
    m_waiting = std::move(answer);
    xcb_convert_selection(m_connection, m_window, m_clipboard, m_utf8, m_property,
                          XCB_CURRENT_TIME);
    xcb_flush(m_connection);
    m_deadline.start();
}

bool X11SelectionReader::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7F) != XCB_SELECTION_NOTIFY)
        return false;
    const auto *notify = reinterpret_cast<const xcb_selection_notify_event_t *>(event);
    if (notify->requestor != m_window)
        return false;
    // A refusal (no property) means the clipboard holds no text. An answer
    // that comes after the deadline is cleared away and goes nowhere.
    std::optional<QString> text;
    if (notify->property != XCB_NONE)
        text = takeText();
    if (m_waiting)
        deliver(text);
    return true;
}

// The text the owner put on the window, which is then cleared.
std::optional<QString> X11SelectionReader::takeText()
{
    const auto cookie = xcb_get_property(m_connection, 0, m_window, m_property,
                                         XCB_GET_PROPERTY_TYPE_ANY, 0, longestText / 4);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(m_connection, cookie, nullptr);
    std::optional<QString> text;
    if (reply && reply->format == 8 && reply->bytes_after == 0) {
        const auto *bytes = static_cast<const char *>(xcb_get_property_value(reply));
        const auto length = qsizetype(xcb_get_property_value_length(reply));
        if (reply->type == m_utf8)
            text = QString::fromUtf8(bytes, length);
        else if (reply->type == XCB_ATOM_STRING)
            text = QString::fromLatin1(bytes, length);
    }
    std::free(reply);
    xcb_delete_property(m_connection, m_window, m_property);
    xcb_flush(m_connection);
    return text;
}

void X11SelectionReader::deliver(const std::optional<QString> &text)
{
    m_deadline.stop();
    const ClipboardReader::Answer waiting = std::exchange(m_waiting, nullptr);
    waiting(text);
}
