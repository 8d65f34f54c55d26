#pragma once

#include <QKeySequence>
#include <QString>

class QWidget;

// Makes the custom controls known to screen readers: panels and labels by
// their captions (clickable ones as buttons that can be pressed, the others
// as text a reader can read), number fields as read-only text, each colour
// grid cell by its colour (pressing one picks it), and dialogs with their
// modal state.
//
// Qt keeps the first interface it makes for a control, and it makes some as
// soon as a control is created: install this before any widget exists.
void InstallAccessibility();

// Tells screen readers that the text a control shows changed: as a text
// change, and as a change of its name where its name is that text. Readers
// keep what they read last, so every change of a shown text goes through
// here. Costs nothing while no reader listens.
void AnnounceTextChange(QWidget *control, const QString &before, const QString &after);

// Has screen readers say a control's new text whenever it changes, wherever
// the focus is: for a text that answers what the user just did elsewhere.
// Needs Qt 6.8; with older Qt readers are only told of the change.
void SetAnnouncedOnChange(QWidget *control);

// The key that does what pressing a panel or label does; screen readers say
// it with the control's name.
void SetAccessibleShortcut(QWidget *control, const QKeySequence &key);
