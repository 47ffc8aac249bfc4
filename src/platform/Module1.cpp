#include "Module1.h"

#include "WindowService.h"

void SetAlwaysOnTop(QWidget* hWnd) { WindowService::instance().setStaysOnTop(hWnd, true); }

void ClearAlwaysOnTop(QWidget* hWnd) { WindowService::instance().setStaysOnTop(hWnd, false); }
