#pragma once

#include "cspace.h"

#include <QWidget>

// What the window's panels and labels have in common: an integer Tag that
// says what the control stands for, a colour and a font colour, and a click
// that counts only when the left button is pressed and released over the
// control.
//
// A control without a colour of its own paints in its parent's colour and
// follows it (Qt's palette inheritance carries that); setColor() gives it one.
class ClickableControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Tag READ tag WRITE setTag)

public:
    explicit ClickableControl(QWidget *parent = nullptr);

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    // The colour the control paints its face in: its own, or its parent's.
    cSpace::TColor color() const;
    void setColor(cSpace::TColor color);

    cSpace::TColor fontColor() const;
    void setFontColor(cSpace::TColor color);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // The second press of a double click is not a click of its own.
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int m_tag = 0;
    bool m_pressed = false;
};
