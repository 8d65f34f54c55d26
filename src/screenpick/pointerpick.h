#pragma once

#include "cspace/cspace.h"

#include <QWidget>

// A pick with the pointer on an X11 desktop. While it lasts the program holds
// the pointer, shown as a cross, and the keyboard: a left click anywhere on
// the screen picks the pixel under the pointer, Enter picks where the pointer
// stands, the arrow keys move the pointer, Escape or any other button ends
// the pick with nothing picked. The
// colour under the pointer is reported as the pointer moves, except over the
// program's own windows, which then show their own colours again, so that a
// pick there reads what they hold and not what was previewed in them.
//
// The pick is an empty child of the window it starts from, which is where
// the toolkit delivers input taken with a grab; it removes itself when the
// pick ends.
class PointerPick final : public QWidget
{
    Q_OBJECT

public:
    explicit PointerPick(QWidget *window);
    ~PointerPick() override;

    // Takes the pointer and the keyboard. False when either was refused
    // (another program holds it): the pick has then ended already.
    bool start();

Q_SIGNALS:
    void previewed(cSpace::TColor color);
    // What previewed() showed is to be put back.
    void previewEnded();
    void picked(cSpace::TColor color);

protected:
    bool event(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void nudge(const QKeyEvent *event);
    void follow(const QPoint &globalPos);
    void finish(bool pick);

    bool m_active = false;
    bool m_previewing = false; // a colour under the pointer is shown
};
