#pragma once

#include "cspace/cspace.h"

#include <QDBusContext>
#include <QObject>
#include <QString>
#include <QVariantMap>

class QDBusPendingCallWatcher;

// A pick through the XDG desktop portal (org.freedesktop.portal.Screenshot,
// PickColor), the way a Wayland desktop lets a program read a colour from
// the screen: the desktop shows its own picker and answers later. Every call
// is asynchronous, so the window answers throughout.
class PortalPick final : public QObject, protected QDBusContext
{
    Q_OBJECT

public:
    explicit PortalPick(QObject *parent = nullptr);
    ~PortalPick() override;

    // Asks the desktop for a colour; a request still open is given up.
    // parentWindow names the window the picker belongs to, as the portal
    // spells it ("x11:XID"), or is empty.
    void start(const QString &parentWindow);

Q_SIGNALS:
    void picked(cSpace::TColor color);
    // No portal, a portal that cannot pick, or an answer without a colour.
    // A person who cancels the desktop's picker gets neither signal.
    void failed();

private Q_SLOTS:
    // The Response signal of the portal's Request object. Qt's D-Bus module
    // connects signals only by name, hence a slot.
    void takeResponse(uint response, const QVariantMap &results);

private:
    void callReturned(QDBusPendingCallWatcher *call);
    void listenAt(const QString &requestPath);
    void giveUpRequest();
    // Stops listening; with unanswered, says the pick failed.
    void end(bool unanswered);

    QString m_requestPath; // the open request's object, empty when none
    QDBusPendingCallWatcher *m_call = nullptr;
    quint64 m_requestCount = 0;
};
