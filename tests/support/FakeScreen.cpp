#include "FakeScreen.h"

FakeScreen::FakeScreen(const QImage& desktop)
    : desktop(desktop.convertToFormat(QImage::Format_RGB32)), monitorAreas{desktop.rect()}
{
    install(this);
}

QImage FakeScreen::grab(const QRect& rect)
{
    if (refuseGrabs || rect.isEmpty() || !desktop.rect().contains(rect)) return {};
    return desktop.copy(rect);
}
