#include "shell/errordisplay.h"

#include <QApplication>
#include <QMessageBox>

QString ErrorText(const QString &message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

void ShowError(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), ErrorText(message),
                    QMessageBox::Ok);
    box.setObjectName(QStringLiteral("ErrorDisplay"));
    box.exec();
}
