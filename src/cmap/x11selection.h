#pragma once

#include "cmap/clipboardreader.h"

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QTimer>

#include <xcb/xcb.h>

// Reads the X11 clipboard's text without waiting: it asks the clipboard's
// owner to put the text on a window of its own, and the answer arrives, like
// any other event, while the program goes on. An owner that has not answered
// within two seconds is taken to have hung.
class X11SelectionReader final : public QObject, public QAbstractNativeEventFilter
{
public:
    // Nothing where the program does not run on X11.
    static std::unique_ptr<X11SelectionReader> create();
    ~X11SelectionReader() override;

    // A request made while another waits for its answer is dropped: the
    // answer on its way is the clipboard's text.
    void readText(ClipboardReader::Answer answer);

protected:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    explicit X11SelectionReader(xcb_connection_t *connection);
    xcb_atom_t atom(const char *name) const;
    std::optional<QString> takeText();
    void deliver(const std::optional<QString> &text);

    xcb_connection_t *m_connection;
    xcb_window_t m_window = XCB_NONE;
    xcb_atom_t m_clipboard = XCB_NONE;
    xcb_atom_t m_utf8 = XCB_NONE;
    xcb_atom_t m_property = XCB_NONE;
    QTimer m_deadline;
    ClipboardReader::Answer m_waiting;
};
