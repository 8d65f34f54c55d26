#pragma once

#include "cspace/cspace.h"

#include <QWidget>

#include <optional>

// What the window's panels and labels have in common: an integer Tag that
// says what the control stands for, a colour and a font colour, and a click
// that counts only when the left button is pressed and released over the
// control.
//
// A control without a colour of its own paints in its parent's colour and
// follows it; setColor() gives it one. The colours are kept here rather than
// in the palette: a palette change travels through every child and costs far
// more than a slider step may.
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

    // The colour of its text: its own, or the palette's window text colour.
    cSpace::TColor fontColor() const;
    void setFontColor(cSpace::TColor color);

    // Whether anything answers a click: such a control is a button to a
    // screen reader.
    bool hasClickHandler() const;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // The second press of a double click is not a click of its own.
    void mouseDoubleClickEvent(QMouseEvent *event) override;

    QColor faceColor() const;
    QColor textColor() const;

private:
    std::optional<cSpace::TColor> m_color;
    std::optional<cSpace::TColor> m_fontColor;
    int m_tag = 0;
    bool m_pressed = false;
};
