#pragma once

#include <QBasicTimer>
#include <QScrollBar>
#include <QStyle>

// A horizontal scroll bar used as a slider. It carries a Tag naming its
// channel, takes the keyboard focus, and steps the way its arrows point:
// Left lowers the value and Right raises it (a plain horizontal QScrollBar
// has them the other way round).
//
// It draws itself in the plain bevelled look of the window's other controls,
// in the places the style gives its parts (so clicks land where they show).
// That is also much cheaper than the style's drawing, which matters because
// four bars repaint on every step of a slider.
//
// A click in the trough steps by the page step towards the pointer, and
// holding the button repeats the step until the thumb reaches the pointer;
// every step is a whole page step (Qt would end with a jump to the pointer).
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
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QStyle::SubControl partAt(const QPoint &pos) const;
    void stepTowardsPointer();

    int m_tag = 0;
    // While the button is held in the trough: which side, and where the pointer is.
    QStyle::SubControl m_heldPage = QStyle::SC_None;
    QPoint m_pointer;
    QBasicTimer m_pageRepeat;
};
