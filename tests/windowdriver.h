#pragma once

// Helpers for driving the real main window with real input events, offscreen.

#include "cspace/cspace.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QWidget>

namespace WindowDriver {

// A control of `window` by its object name. A missing control fails the
// running test function; a hidden, unnamed stand-in is returned so that the
// function runs to its end (its checks on the stand-in fail too) and the
// other test functions still run.
template <typename T = QWidget> T *control(QWidget *window, const char *name)
{
    if (T *found = window->findChild<T *>(QString::fromLatin1(name)))
        return found;
    const QByteArray message = QByteArray("no control named ") + name + " of the expected kind";
    QTest::qFail(message.constData(), __FILE__, __LINE__);
    auto *standIn = new T(window);
    standIn->hide();
    return standIn;
}

inline void click(QWidget *widget, QPoint pos = {}, Qt::KeyboardModifiers modifiers = {})
{
    QTest::mouseClick(widget, Qt::LeftButton, modifiers,
                      pos.isNull() ? widget->rect().center() : pos);
}

// A double click as Qt delivers it: press, release, double-click, release.
inline void doubleClick(QWidget *widget, QPoint pos)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
    const QPointF local(pos);
    const QPointF global(widget->mapToGlobal(pos));
    QMouseEvent second(QEvent::MouseButtonDblClick, local, global, Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QApplication::sendEvent(widget, &second);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

// Shows `window`, makes it the active window and waits for that.
inline bool activate(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Opens the drop-down list and clicks the entry at `index`.
inline void chooseFromDroppedList(QComboBox *list, int index)
{
    list->showPopup();
    QAbstractItemView *view = list->view();
    view->scrollTo(list->model()->index(index, 0));
    const QRect item = view->visualRect(list->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
}

// What the screen shows of a widget: its window's backing store as last
// flushed, cut to the widget. The repaints already asked for are done first
// and no others, so a control that forgot to ask for one shows its old look
// (QWidget::grab() would paint it afresh).
inline QImage onScreen(QWidget *widget)
{
    QWidget *window = widget->window();
    QEvent flush(QEvent::UpdateRequest);
    QApplication::sendEvent(window, &flush);
    const QPoint origin = widget->mapTo(window, QPoint());
    return window->screen()
        ->grabWindow(window->winId(), origin.x(), origin.y(), widget->width(), widget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

inline cSpace::TColor pixel(const QImage &image, QPoint pos)
{
    const QRgb rgb = image.pixel(pos);
    return cSpace::MakeColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

inline QString html(cSpace::TColor color)
{
    return QString::fromStdString(cSpace::HtmlHex(color));
}

} // namespace WindowDriver
