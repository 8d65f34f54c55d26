#include "clipboardwriter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

bool SystemClipboard::replaceText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    auto *data = new QMimeData;
    data->setText(text);
    clipboard->setMimeData(data, QClipboard::Clipboard);
    // Reading back asks whoever owns the clipboard now: if another program
    // kept it, that is its text, not ours, and the copy did not happen.
    return clipboard->text(QClipboard::Clipboard) == text;
}
