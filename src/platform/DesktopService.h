#pragma once

class QUrl;

// Opens documents with the desktop's own viewer.
class DesktopService {
public:
    virtual ~DesktopService() = default;
    virtual bool openUrl(const QUrl& url) = 0;

    static DesktopService& instance();
    // Installs a stand-in (not owned); nullptr puts the real service back.
    static void install(DesktopService* service);
};
