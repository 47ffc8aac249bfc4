#pragma once

class QWidget;

// The always-on-top band, shared by every window of the program.
void SetAlwaysOnTop(QWidget* hWnd);
void ClearAlwaysOnTop(QWidget* hWnd);
