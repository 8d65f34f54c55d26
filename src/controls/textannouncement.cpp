#include "controls/textannouncement.h"

#include <QAccessible>
#include <QWidget>

void AnnounceTextChange(QWidget *control, const QString &before, const QString &after)
{
    // What nobody has been shown yet has not been read either.
    if (!QAccessible::isActive() || !control->isVisible())
        return;
    QAccessibleTextUpdateEvent text(control, 0, before, after);
    QAccessible::updateAccessibility(&text);
    if (control->accessibleName().isEmpty()) {
        QAccessibleEvent name(control, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&name);
    }
}
