#include "screenpick/portalpick.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include <cmath>
#include <optional>

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString screenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");

// The portal answers the call at once and shows its picker afterwards; a
// portal started on demand has this long to come up.
constexpr int callTimeoutMs = 15000;

enum Response : uint
{
    Success = 0,
    Cancelled = 1
};

QDBusConnection bus()
{
    return QDBusConnection::sessionBus();
}

// Where the portal will put the request for a token: its documented path,
// built from the caller's unique bus name. Listening there before calling
// catches an answer that comes before the call returns.
QString requestPathFor(const QString &token)
{
    QString sender = bus().baseService();
    sender.remove(0, 1).replace(u'.', u'_'); // ":1.42" -> "1_42"
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

// A channel of the portal's colour, 0 to 1, as 0 to 255; anything outside
// (or not a number) is held to the nearest end.
int channelOf(double value)
{
    if (!(value > 0.0))
        return 0;
    if (value >= 1.0)
        return 255;
    return int(std::lround(value * 255.0));
}

std::optional<cSpace::TColor> colorOf(const QVariantMap &results)
{
    const QVariant color = results.value(QStringLiteral("color"));
    if (!color.canConvert<QDBusArgument>())
        return std::nullopt;
    const auto argument = color.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(ddd)"))
        return std::nullopt;
    double red = 0, green = 0, blue = 0;
    argument.beginStructure();
    argument >> red >> green >> blue;
    argument.endStructure();
    return cSpace::MakeColor(channelOf(red), channelOf(green), channelOf(blue));
}

} // namespace

PortalPick::PortalPick(QObject *parent) : QObject(parent) {}

PortalPick::~PortalPick()
{
    giveUpRequest();
}

void PortalPick::start(const QString &parentWindow)
{
    giveUpRequest();
    if (!bus().isConnected()) {
        Q_EMIT failed();
        return;
    }
    const QString token = QStringLiteral("tintwright%1").arg(++m_requestCount);
    listenAt(requestPathFor(token));

    QDBusMessage call = QDBusMessage::createMethodCall(
        portalService, portalPath, screenshotInterface, QStringLiteral("PickColor"));
    call << parentWindow << QVariantMap{{QStringLiteral("handle_token"), token}};
    m_call = new QDBusPendingCallWatcher(bus().asyncCall(call, callTimeoutMs), this);
    connect(m_call, &QDBusPendingCallWatcher::finished, this, &PortalPick::callReturned);
}

void PortalPick::callReturned(QDBusPendingCallWatcher *call)
{
    call->deleteLater();
    if (call != m_call)
        return; // a request given up
    m_call = nullptr;
    const QDBusPendingReply<QDBusObjectPath> reply = *call;
    if (reply.isError()) {
        end(true);
        return;
    }
    // An older portal may choose another path than the documented one.
    const QString path = reply.value().path();
    if (path != m_requestPath) {
        bus().disconnect(portalService, m_requestPath, requestInterface, QStringLiteral("Response"),
                         this, SLOT(takeResponse(uint, QVariantMap)));
        listenAt(path);
    }
}

void PortalPick::listenAt(const QString &requestPath)
{
    m_requestPath = requestPath;
    bus().connect(portalService, requestPath, requestInterface, QStringLiteral("Response"), this,
                  SLOT(takeResponse(uint, QVariantMap)));
}

void PortalPick::takeResponse(uint response, const QVariantMap &results)
{
    if (message().path() != m_requestPath)
        return;
    if (response == Cancelled) {
        end(false);
        return;
    }
    const auto color = response == Success ? colorOf(results) : std::nullopt;
    end(!color);
    if (color)
        Q_EMIT picked(*color);
}

// Stops waiting for the open request, and asks the portal to close it, so
// that its picker does not stay up for an answer nobody reads.
void PortalPick::giveUpRequest()
{
    if (m_requestPath.isEmpty())
        return;
    const QString path = m_requestPath;
    end(false);
    bus().asyncCall(QDBusMessage::createMethodCall(portalService, path, requestInterface,
                                                   QStringLiteral("Close")));
}

void PortalPick::end(bool unanswered)
{
    if (!m_requestPath.isEmpty())
        bus().disconnect(portalService, m_requestPath, requestInterface, QStringLiteral("Response"),
                         this, SLOT(takeResponse(uint, QVariantMap)));
    m_requestPath.clear();
    m_call = nullptr;
    if (unanswered)
        Q_EMIT failed();
}
