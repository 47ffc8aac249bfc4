#include "ColourDialog.h"

#include "DesktopPortal.h"

#include <QColorDialog>
#include <QPushButton>

namespace {

QColor toColor(int colourValue)
{
    return QColor(colourValue & 0xFF, (colourValue >> 8) & 0xFF, (colourValue >> 16) & 0xFF);
}

int toColourValue(const QColor& color)
{
    return color.red() + color.green() * 256 + color.blue() * 65536;
}

class QtColourDialog final : public ColourDialog {
public:
    std::optional<int> choose(QWidget* owner, int initialColour, CustomColours& custom,
                              bool fullOpen) override
    {
        Q_UNUSED(fullOpen) // Qt's dialog always shows its custom colours
        for (int i = 0; i < int(custom.size()); ++i) QColorDialog::setCustomColor(i, toColor(custom[i]));
        // The desktop's own dialog would not hand back the 16 custom colours.
        QColorDialog dialog(toColor(initialColour), owner);
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        // Qt's screen picker reads the screen through X, which on a Wayland desktop sees black
        // wherever a native window is. Qt offers it natively only where it can read the screen.
        if (waylandSession())
            for (QPushButton* button : dialog.findChildren<QPushButton*>())
                if (button->text() == QColorDialog::tr("&Pick Screen Color")) button->hide();
        const bool accepted = dialog.exec() == QDialog::Accepted;
        for (int i = 0; i < int(custom.size()); ++i)
            custom[i] = toColourValue(QColorDialog::customColor(i));
        if (!accepted) return std::nullopt;
        return toColourValue(dialog.selectedColor());
    }
};

ColourDialog* installed = nullptr;

} // namespace

ColourDialog& ColourDialog::instance()
{
    static QtColourDialog real;
    return installed ? *installed : real;
}

void ColourDialog::install(ColourDialog* dialog) { installed = dialog; }
