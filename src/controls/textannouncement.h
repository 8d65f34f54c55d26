#pragma once

#include <QString>

class QWidget;

// Tells screen readers that the text a control shows changed: as a text
// change, and as a change of its name where its name is that text. Readers
// keep what they read last, so every control that shows a changing text
// reports each change here. Costs nothing while no reader listens.
void AnnounceTextChange(QWidget *control, const QString &before, const QString &after);

// Has screen readers say a control's new text whenever it changes, wherever
// the focus is: for a text that answers what the user just did elsewhere.
// Needs Qt 6.8; with older Qt readers are only told of the change.
void SetAnnouncedOnChange(QWidget *control);
