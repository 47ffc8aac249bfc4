#include "DesktopService.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

class QtDesktopService final : public DesktopService {
public:
    bool openUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

DesktopService* installed = nullptr;

} // namespace

DesktopService& DesktopService::instance()
{
    static QtDesktopService real;
    return installed ? *installed : real;
}

void DesktopService::install(DesktopService* service) { installed = service; }
