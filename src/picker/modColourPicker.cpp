#include "modColourPicker.h"

#include "ColourDialog.h"
#include "SettingsStore.h"

#include <QStringList>

namespace modColourPicker {

namespace {

const QString Section = QStringLiteral("cDialog");
const QString Key = QStringLiteral("RegColors");
constexpr int White = 16777215;

// The stored list; white for every entry that is missing or no whole number, so a damaged
// setting still gives the dialog 16 colours.
ColourDialog::CustomColours customColours()
{
    ColourDialog::CustomColours colours;
    colours.fill(White);
    const QString stored =
        SettingsStore::GetSetting(SettingsStore::ExeName(), Section, Key, QStringLiteral("Key"));
    if (stored == u"Key") return colours;
    const QStringList pieces = stored.split(u',');
    for (int i = 0; i < int(colours.size()) && i < pieces.size(); ++i) {
        bool ok = false;
        const int value = pieces[i].trimmed().toInt(&ok);
        if (ok) colours[i] = value;
    }
    return colours;
}

} // namespace

int ShowColourDialog(QWidget* OwnerWindow, int InitialColour, bool FullOpen)
{
    ColourDialog::CustomColours colours = customColours();
    const std::optional<int> chosen =
        ColourDialog::instance().choose(OwnerWindow, InitialColour, colours, FullOpen);
    QStringList texts;
    for (int colour : colours) texts << QString::number(colour);
    SettingsStore::SaveSetting(SettingsStore::ExeName(), Section, Key, texts.join(u','));
    return chosen.value_or(-1);
}

} // namespace modColourPicker
