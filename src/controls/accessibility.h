#pragma once

#include <QKeySequence>

class QWidget;

// Makes the custom controls known to screen readers: panels and labels by
// their captions (clickable ones as buttons that can be pressed, the others
// as text a reader can read), number fields as read-only text, each colour
// grid cell by its colour (pressing one picks it), and dialogs with their
// modal state. The controls announce their own text changes
// (textannouncement.h).
//
// Qt keeps the first interface it makes for a control, and it makes some as
// soon as a control is created: install this before any widget exists.
void InstallAccessibility();

// The key that does what pressing a panel or label does; screen readers say
// it with the control's name.
void SetAccessibleShortcut(QWidget *control, const QKeySequence &key);
