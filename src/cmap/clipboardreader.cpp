#include "cmap/clipboardreader.h"

#include <QClipboard>
#include <QGuiApplication>

#ifdef TINTWRIGHT_X11_SELECTION
#include "cmap/x11selection.h"
#endif

SystemClipboardReader::SystemClipboardReader() = default;

SystemClipboardReader::~SystemClipboardReader() = default;

void SystemClipboardReader::readText(Answer answer)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
#ifdef TINTWRIGHT_X11_SELECTION
    // Another program's text is asked for without waiting: Qt would wait for
    // the answer, seconds long when that program hangs. What this needs of
    // the display is set up at the first paste, not at start-up.
    if (!clipboard->ownsClipboard()) {
        if (!m_x11)
            m_x11 = X11SelectionReader::create();
        if (m_x11) {
            m_x11->readText(std::move(answer));
            return;
        }
    }
#endif
    // The program's own text, or a platform where Qt waits for the answer
    // no longer than a moment.
    answer(clipboard->text());
}
