#include "cmap/clipboardwriter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>

bool SystemClipboard::replaceText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    auto *data = new QMimeData;
    data->setText(text);
    const QPointer<QMimeData> ours(data); // the toolkit deletes it once another program takes over
    clipboard->setMimeData(data, QClipboard::Clipboard);
    // Whether our text is on the clipboard is whether we own it now. The
    // toolkit hands back our own data only while the display server names us
    // as the owner; it never asks another program for its text here, which
    // could keep the window waiting for seconds on one that does not answer.
    return ours && clipboard->mimeData(QClipboard::Clipboard) == ours;
}
