#pragma once

class QWidget;

// Keeps a top-level window of fixed size in its normal state: a request to
// show it full screen or maximised, from a window manager or from a frame,
// is undone at once. Call once, from the window's constructor.
void KeepFixedSize(QWidget *window);
