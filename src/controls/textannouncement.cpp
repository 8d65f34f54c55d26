#include "controls/textannouncement.h"

#include <QAccessible>
#include <QWidget>

namespace {

// Where a control keeps whether SetAnnouncedOnChange() marked it.
constexpr char announcedProperty[] = "tintwrightAnnouncedOnChange";

} // namespace

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
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (control->property(announcedProperty).toBool()) {
        QAccessibleAnnouncementEvent announcement(control, after);
        QAccessible::updateAccessibility(&announcement);
    }
#endif
}

void SetAnnouncedOnChange(QWidget *control)
{
    control->setProperty(announcedProperty, true);
}
