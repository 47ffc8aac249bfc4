#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QTimer>

// A desktop portal answering Screenshot and PickColor from a script, on the test's session bus
// (a private one: private-bus.conf), over a connection of its own as any other service would.
class FakePortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    struct Answer {
        uint code = 0;
        QVariantMap results;
    };
    Answer screenshot, pickColour;
    QStringList asked; // "Screenshot interactive=false", "PickColor"

    bool setPresent(bool present)
    {
        const QString name = "org.freedesktop.portal.Desktop";
        if (!present) return bus().unregisterService(name);
        bus().registerObject("/org/freedesktop/portal/desktop", this,
                             QDBusConnection::ExportAllSlots);
        return bus().registerService(name);
    }

public slots:
    QDBusObjectPath Screenshot(const QString&, const QVariantMap& options)
    {
        asked << "Screenshot interactive=" + options.value("interactive").toString();
        return respond(options, screenshot);
    }
    QDBusObjectPath PickColor(const QString&, const QVariantMap& options)
    {
        asked << "PickColor";
        return respond(options, pickColour);
    }

private:
    static QDBusConnection bus()
    {
        return QDBusConnection::connectToBus(QDBusConnection::SessionBus, "portal");
    }
    // The request's handle; the answer comes on it after the reply, as a portal's does.
    QDBusObjectPath respond(const QVariantMap& options, const Answer& answer)
    {
        const QString handle = "/org/freedesktop/portal/desktop/request/" +
                               message().service().mid(1).replace(u'.', u'_') + u'/' +
                               options.value("handle_token").toString();
        QTimer::singleShot(0, this, [handle, answer] {
            bus().send(
                QDBusMessage::createSignal(handle, "org.freedesktop.portal.Request", "Response")
                << answer.code << answer.results);
        });
        return QDBusObjectPath(handle);
    }
};
