#include "frmColourPicker.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Reading the screen needs X11; on a Wayland session ask for XWayland unless the user chose.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    QApplication app(argc, argv);
    frmColourPicker window;
    window.show();
    return QApplication::exec();
}
