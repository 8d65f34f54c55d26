#pragma once

#include <QScrollBar>

// A horizontal scroll bar used as a slider. It carries a Tag naming its
// channel, takes the keyboard focus, and steps the way its arrows point:
// Left lowers the value and Right raises it (a plain horizontal QScrollBar
// has them the other way round).
//
// It draws itself in the plain bevelled look of the window's other controls,
// in the places the style gives its parts (so clicks land where they show).
// That is also much cheaper than the style's drawing, which matters because
// four bars repaint on every step of a slider.
class SliderBar final : public QScrollBar
{
    Q_OBJECT
    Q_PROPERTY(int Tag READ tag WRITE setTag)

public:
    explicit SliderBar(QWidget *parent = nullptr);

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_tag = 0;
};
