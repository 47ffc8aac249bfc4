#include "WindowService.h"

#include <QWidget>
#include <QWindow>

namespace {

class QtWindowService final : public WindowService {
public:
    void setStaysOnTop(QWidget* window, bool on) override
    {
        // On a shown window only the native flag may change: QWidget::setWindowFlag would hide it.
        if (QWindow* handle = window->windowHandle(); handle && window->isVisible())
            handle->setFlag(Qt::WindowStaysOnTopHint, on);
        else
            window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    }

    bool startSystemMove(QWidget* window) override
    {
        QWindow* handle = window->windowHandle();
        return handle && handle->startSystemMove();
    }
};

WindowService* installed = nullptr;

} // namespace

WindowService& WindowService::instance()
{
    static QtWindowService real;
    return installed ? *installed : real;
}

void WindowService::install(WindowService* service) { installed = service; }
