#include "DesktopPortal.h"

#include "Numbers.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>

bool waylandSession()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

namespace {

const QString Service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString DesktopPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString ScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString RequestInterface = QStringLiteral("org.freedesktop.portal.Request");
const char* const ResponseSlot = SLOT(onResponse(uint, QVariantMap));

// A screenshot asks nobody, but a portal may first ask the user's leave once; a colour pick
// waits on the user's click for as long as they take.
constexpr int ScreenshotPatienceMs = 60000;
// Far beyond any desktop's PNG; a file larger than this is not a screenshot.
constexpr qint64 LargestPicture = qint64(1) << 30;

DesktopPortal::Answer answerOf(DesktopPortal::Status status, const QImage& picture = {},
                               int colour = -1)
{
    DesktopPortal::Answer answer;
    answer.status = status;
    answer.picture = picture;
    answer.colour = colour;
    return answer;
}

// A file the portal left where nobody keeps files: the picture was made for this program alone.
bool inTemporaryFolder(const QFileInfo& file)
{
    const QString temporary = QDir(QDir::tempPath()).canonicalPath();
    const QString folder = file.absoluteDir().canonicalPath();
    return !temporary.isEmpty() && (folder == temporary || folder.startsWith(temporary + u'/'));
}

DesktopPortal::Answer readPicture(const QVariantMap& results)
{
    using Status = DesktopPortal::Status;
    const QUrl uri(results.value(QStringLiteral("uri")).toString());
    const QString path = uri.path();
    if (uri.scheme() != u"file" || !(uri.host().isEmpty() || uri.host() == u"localhost") ||
        !QDir::isAbsolutePath(path))
        return answerOf(Status::BadAnswer);
    // A device or a pipe behind the name would never end; only a regular file is read.
    const QFileInfo info(path);
    if (!info.isFile()) return answerOf(Status::BadAnswer);
    QByteArray bytes;
    if (QFile file(path); info.size() <= LargestPicture && file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (inTemporaryFolder(info)) QFile::remove(path);
    const QImage picture = QImage::fromData(bytes);
    if (picture.isNull()) return answerOf(Status::BadAnswer);
    return answerOf(Status::Ok, picture.convertToFormat(QImage::Format_RGB32));
}

DesktopPortal::Answer readColour(const QVariantMap& results)
{
    using Status = DesktopPortal::Status;
    const QVariant value = results.value(QStringLiteral("color"));
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return answerOf(Status::BadAnswer);
    const auto argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != u"(ddd)") return answerOf(Status::BadAnswer);
    double rgb[3] = {};
    argument.beginStructure();
    argument >> rgb[0] >> rgb[1] >> rgb[2];
    argument.endStructure();
    int colour = 0;
    for (int i = 0; i < 3; ++i) {
        // Written so that a NaN fails too.
        if (!(rgb[i] >= 0 && rgb[i] <= 1)) return answerOf(Status::BadAnswer);
        colour |= Numbers::RoundHalfEven(rgb[i] * 255) << (8 * i);
    }
    return answerOf(Status::Ok, {}, colour);
}

DesktopPortal::Status statusOf(const QDBusError& error)
{
    switch (error.type()) {
    case QDBusError::NoServer:
    case QDBusError::Disconnected:
    case QDBusError::ServiceUnknown:
    case QDBusError::NoReply:
    case QDBusError::Timeout:
        return DesktopPortal::Status::NoPortal;
    default:
        // Unknown method or interface (a portal without this request), access denied and the like.
        return DesktopPortal::Status::Refused;
    }
}

// One request: the call, then the Response signal on the request's own object. A child of the
// caller's context, so it goes with it, and withdraws itself from the portal as it goes.
class PortalRequest : public QObject {
    Q_OBJECT

public:
    enum class Kind { Screenshot, PickColour };

    PortalRequest(Kind kind, QObject* context, DesktopPortal::Reply done)
        : QObject(context), kind(kind), done(std::move(done)), bus(QDBusConnection::sessionBus())
    {
        patience.setSingleShot(true);
        connect(&patience, &QTimer::timeout, this,
                [this] { finish(answerOf(DesktopPortal::Status::NoPortal)); });
    }

    ~PortalRequest() override
    {
        if (answered || listening.isEmpty()) return;
        bus.disconnect(Service, listening, RequestInterface, QStringLiteral("Response"), this,
                       ResponseSlot);
        bus.send(QDBusMessage::createMethodCall(Service, listening, RequestInterface,
                                                QStringLiteral("Close")));
    }

    void send()
    {
        if (!bus.isConnected()) return finish(answerOf(DesktopPortal::Status::NoPortal));
        static int made = 0;
        const QString token = QStringLiteral("tintwell%1").arg(++made);
        // Listening starts before the call: the answer may come before the call's reply.
        listen(DesktopPath + QStringLiteral("/request/") +
               bus.baseService().mid(1).replace(u'.', u'_') + u'/' + token);
        QVariantMap options{{QStringLiteral("handle_token"), token}};
        if (kind == Kind::Screenshot) {
            options.insert(QStringLiteral("interactive"), false);
            options.insert(QStringLiteral("modal"), false);
        }
        QDBusMessage call = QDBusMessage::createMethodCall(
            Service, DesktopPath, ScreenshotInterface,
            kind == Kind::Screenshot ? QStringLiteral("Screenshot") : QStringLiteral("PickColor"));
        call << QString() << options;
        auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this](QDBusPendingCallWatcher* call) {
                    call->deleteLater();
                    const QDBusPendingReply<QDBusObjectPath> reply = *call;
                    if (reply.isError()) return finish(answerOf(statusOf(reply.error())));
                    // Portals before version 0.9 choose the request's path themselves.
                    if (reply.value().path() != listening) listen(reply.value().path());
                    if (kind == Kind::Screenshot && !answered) patience.start(ScreenshotPatienceMs);
                });
    }

private slots:
    void onResponse(uint code, const QVariantMap& results)
    {
        using Status = DesktopPortal::Status;
        if (code == 1) return finish(answerOf(Status::Cancelled));
        if (code != 0) return finish(answerOf(Status::Refused));
        finish(kind == Kind::Screenshot ? readPicture(results) : readColour(results));
    }

private:
    void listen(const QString& path)
    {
        if (!listening.isEmpty())
            bus.disconnect(Service, listening, RequestInterface, QStringLiteral("Response"), this,
                           ResponseSlot);
        listening = path;
        bus.connect(Service, listening, RequestInterface, QStringLiteral("Response"), this,
                    ResponseSlot);
    }

    // The reply goes out from the event loop, so a caller that ends its context in it does not
    // pull this request from under its own feet.
    void finish(const DesktopPortal::Answer& answer)
    {
        if (answered) return;
        answered = true;
        patience.stop();
        if (!listening.isEmpty())
            bus.disconnect(Service, listening, RequestInterface, QStringLiteral("Response"), this,
                           ResponseSlot);
        QTimer::singleShot(0, parent(), [done = done, answer] { done(answer); });
        deleteLater();
    }

    const Kind kind;
    const DesktopPortal::Reply done;
    QDBusConnection bus;
    QString listening;
    QTimer patience;
    bool answered = false;
};

class DBusPortal final : public DesktopPortal {
public:
    void screenshot(QObject* context, Reply done) override
    {
        (new PortalRequest(PortalRequest::Kind::Screenshot, context, std::move(done)))->send();
    }
    void pickColour(QObject* context, Reply done) override
    {
        (new PortalRequest(PortalRequest::Kind::PickColour, context, std::move(done)))->send();
    }
};

DesktopPortal* installed = nullptr;

} // namespace

DesktopPortal& DesktopPortal::instance()
{
    static DBusPortal real;
    return installed ? *installed : real;
}

void DesktopPortal::install(DesktopPortal* portal)
{
    installed = portal;
}

#include "DesktopPortal.moc"
