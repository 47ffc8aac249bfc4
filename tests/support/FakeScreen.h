#pragma once

#include "ScreenReader.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <optional>

// A screen made of an image: the desktop's pixels from (0, 0), the monitors laid over it and a
// pointer the test moves. Installs itself as the screen reader while it lives.
class FakeScreen final : public ScreenReader {
public:
    // One monitor covering the whole desktop; the pointer is nowhere until a test sets it.
    explicit FakeScreen(const QImage& desktop);
    ~FakeScreen() override { install(nullptr); }
    FakeScreen(const FakeScreen&) = delete;
    FakeScreen& operator=(const FakeScreen&) = delete;

    std::optional<QPoint> pointerPosition() override { return pointer; }
    QList<QRect> monitors() override { return monitorAreas; }
    // The desktop's pixels; a null image when refused or when the rectangle leaves the desktop.
    QImage grab(const QRect& rect) override;

    QImage desktop;
    QList<QRect> monitorAreas;
    std::optional<QPoint> pointer;
    bool refuseGrabs = false;
};
