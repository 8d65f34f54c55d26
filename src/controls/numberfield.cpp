#include "numberfield.h"

#include <QPainter>

NumberField::NumberField(QWidget *parent) : QLineEdit(parent)
{
    setFrame(false);
    setEnabled(false);
    setTextMargins(1, 1, 1, 1);
}

void NumberField::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
