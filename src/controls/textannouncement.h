#pragma once

#include <QString>

class QWidget;

// Tells screen readers that the text a control shows changed: as a text
// change, and as a change of its name where its name is that text. Readers
// keep what they read last, so every control that shows a changing text
// reports each change here. Costs nothing while no reader listens.
void AnnounceTextChange(QWidget *control, const QString &before, const QString &after);
