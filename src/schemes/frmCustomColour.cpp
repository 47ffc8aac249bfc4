#include "frmCustomColour.h"

#include "ColourBox.h"
#include "INI.h"
#include "IniText.h"
#include "MessageBoxes.h"
#include "ProgramFolder.h"
#include "Save_Win_POS_SIZE.h"
#include "SchemeHost.h"
#include "SchemeLayout.h"
#include "TopBand.h"
#include "Twips.h"
#include "devColorSelect.h"
#include "frmRename.h"
#include "frmRenameScheme.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>

using SchemeLayout::button;
using SchemeLayout::place;

namespace {

const QString ErrorTitle = QStringLiteral("Error");
const QString WarningTitle = QStringLiteral("Warning");
const QString EnterName = QStringLiteral("Please enter a Colour Name to Continue.  ");
const QString NameTaken = QStringLiteral("This Colour Name Already Exitsts.");
const QString LoadColour = QStringLiteral("Please load a Colour to Continue  ");
const QString SelectToDelete = QStringLiteral("Please Select a Colour to Delete first  ");
const QString SelectToRename = QStringLiteral("Please Select a Colour to Rename first  ");
const QString ConfirmColourDelete =
    QStringLiteral("You are about to Delete a Colour\r\n     Continue (Y/N)  ");
const QString SelectScheme = QStringLiteral("Please Select a Scheme Name to Continue.  ");
const QString ConfirmSchemeDelete = QStringLiteral("Do you Really want to Delete  ");
const QString LoadFailed = QStringLiteral("There was a error loading this Scheme  ");
const QString Alphanumeric =
    QStringLiteral("Please check to make sure you are only using Alphanumeric Characters  ");

// How wide a colour name may be typed, in the window's font.
constexpr int NameWidthTwips = 2100;

} // namespace

frmCustomColour::frmCustomColour(SchemeHost& host)
    : QWidget(host.hostWindow(), Qt::Window), Host(host)
{
    setObjectName(QStringLiteral("frmCustomColour"));
    setWindowTitle(QStringLiteral("Colour Schemes"));
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    buildControls();
    connectControls();
    Form_Load();
}

QWidget* frmCustomColour::mainWindow() const
{
    return Host.hostWindow();
}

void frmCustomColour::buildControls()
{
    // The outer frame of 5235 x 4005 twips, less its borders and title bar.
    setFixedSize(Twips::toPixelsX(5145), Twips::toPixelsY(3615));

    Frame1 = place(new QGroupBox(QStringLiteral("Enter Colour Name"), this), 60, 0, 5025, 675);
    txtEnterColName = place(new QLineEdit(Frame1), 120, 270, 3300, 315);
    cmdADDColour = place(button(Frame1, QStringLiteral("Add Colour")), 3540, 255, 1365, 345);

    Frame2 = place(new QGroupBox(QStringLiteral("Colour Scheme Name"), this), 60, 720, 5025, 675);
    cboColourScheme = place(new QComboBox(Frame2), 120, 270, 2175, 315);
    cboColourScheme->setEditable(true);
    // A typed name joins the list only when a colour is added under it.
    cboColourScheme->setInsertPolicy(QComboBox::NoInsert);
    cboColourScheme->setCompleter(nullptr);
    cmdDeleteScheme = place(button(Frame2, QStringLiteral("Del Scheme")), 2355, 255, 1170, 345);
    cmdRenameScheme = place(button(Frame2, QStringLiteral("Rename Scheme")), 3585, 255, 1320, 345);

    Frame3 = place(new QGroupBox(QStringLiteral("Available Colours"), this), 60, 1440, 5025, 1755);
    Picture1 = place(new QWidget(Frame3), 120, 255, 3300, 1380);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    devColorSelect1 = new devColorSelect(Picture1);
    devColorSelect1->setGeometry(Picture1->rect());
    picSelect = place(new ColourBox(Frame3), 3540, 255, 1365, 375);
    cmdSelectColour = place(button(Frame3, QStringLiteral("Select Colour")), 3540, 690, 1365, 300);
    cmdDelColour = place(button(Frame3, QStringLiteral("Del Colour")), 3540, 1020, 1365, 300);
    cmdRenameColour = place(button(Frame3, QStringLiteral("     Rename")), 3540, 1350, 1365, 300);

    cmdExit = place(button(this, QStringLiteral("Exit")), 3945, 3255, 1140, 330);
}

void frmCustomColour::connectControls()
{
    connect(cboColourScheme, &QComboBox::activated, this, [this] { cboColourScheme_Click(); });
    // Only typing counts: choosing an entry rewrites the text too.
    connect(cboColourScheme->lineEdit(), &QLineEdit::textEdited, this, [this] { clearLists(); });
    // Typed keys reach the combo itself, which hands them to its box past the box's filters.
    cboColourScheme->installEventFilter(this);
    cboColourScheme->lineEdit()->installEventFilter(this);
    txtEnterColName->installEventFilter(this);

    connect(cmdADDColour, &cpvButton::Click, this, [this] { cmdADDColour_Click(); });
    connect(cmdDelColour, &cpvButton::Click, this, [this] { cmdDelColour_Click(); });
    connect(cmdRenameColour, &cpvButton::Click, this, [this] { cmdRenameColour_Click(); });
    connect(cmdDeleteScheme, &cpvButton::Click, this, [this] { cmdDeleteScheme_Click(); });
    connect(cmdRenameScheme, &cpvButton::Click, this, [this] { cmdRenameScheme_Click(); });
    connect(cmdSelectColour, &cpvButton::Click, this, [this] { cmdSelectColour_Click(); });
    connect(cmdExit, &cpvButton::Click, this, &QWidget::close);

    connect(devColorSelect1, &devColorSelect::DevColorSelectorMouseDown, this,
            [this](int, int index, const QString&, int colour) {
                devColorSelect1_MouseDown(index, colour);
            });
    connect(devColorSelect1, &devColorSelect::DevColorSelectorDblClick, this,
            [this](int colour) { Host.SetFormColours(colour); });
    connect(
        devColorSelect1, &devColorSelect::DevColorSelectorKeyPress, this,
        [this](int& keyCode) {
            if (keyCode == 13) sendSelectedColour();
        },
        Qt::DirectConnection);
}

void frmCustomColour::Form_Load()
{
    Save_Win_POS_SIZE::RestoreWindowPlacement(this, 5235, 4005, 0, 0, true);
    LoadCombo();
    TopBand::joinOnLoad(this);
}

void frmCustomColour::closeEvent(QCloseEvent* event)
{
    Save_Win_POS_SIZE::SaveWindowPlacement(this);
    TopBand::leaveOnUnload(this, mainWindow());
    event->accept();
}

void frmCustomColour::keyPressEvent(QKeyEvent* event)
{
    // Esc reaches here from whichever control had the keyboard and did not use it.
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

bool frmCustomColour::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == txtEnterColName) return !txtEnterColName_KeyPress(key);
    if (watched != cboColourScheme && watched != cboColourScheme->lineEdit())
        return QWidget::eventFilter(watched, event);
    // Scheme names become file names. Backspace and the editing shortcuts, paste included, are
    // no characters and pass.
    const QString text = key->text();
    return !text.isEmpty() && text.at(0).isPrint() && !INI::IsValidName(text);
}

bool frmCustomColour::txtEnterColName_KeyPress(const QKeyEvent* event) const
{
    if (event->text().isEmpty() || event->key() == Qt::Key_Escape || event->key() == Qt::Key_Tab ||
        event->key() == Qt::Key_Backtab)
        return true;
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter || event->matches(QKeySequence::Paste) ||
        event->matches(QKeySequence::Cut))
        return true;
    // The name must fit on its line of the colour list.
    const int width = txtEnterColName->fontMetrics().horizontalAdvance(txtEnterColName->text());
    return width < Twips::toPixelsX(NameWidthTwips);
}

QString frmCustomColour::schemeFile() const
{
    return SchemeStore::schemeFile(cboColourScheme->currentText());
}

void frmCustomColour::LoadCombo()
{
    cboColourScheme->clear();
    cboColourScheme->addItems(SchemeStore::schemeNames());
    // No scheme is chosen until the user chooses one.
    cboColourScheme->setCurrentIndex(-1);
}

void frmCustomColour::AddtoCombo(const QString& SchemeName)
{
    if (cboColourScheme->findText(SchemeName, Qt::MatchExactly | Qt::MatchCaseSensitive) == -1)
        cboColourScheme->addItem(SchemeName);
}

void frmCustomColour::clearLists()
{
    devColorSelect1->Clear();
}

void frmCustomColour::listColours(const SchemeStore::Loaded& loaded)
{
    clearLists();
    for (const SchemeStore::NamedColour& entry : loaded.colours) {
        devColorSelect1->AddItem(entry.name, entry.colour);
    }
    devColorSelect1->PaintListItems();
    devColorSelect1->setHasFocus(false);
    if (!loaded.ok)
        MessageBoxes::instance().show(this, MessageBoxes::Icon::Critical, ErrorTitle, LoadFailed,
                                      MessageBoxes::Buttons::Ok);
}

void frmCustomColour::loadIni()
{
    listColours(SchemeStore::readIni(schemeFile()));
}

void frmCustomColour::ReloadRename(int LineNumber)
{
    loadIni();
    devColorSelect1->SelectLineNumber(LineNumber);
}

void frmCustomColour::RelistColoursSchemeRename()
{
    loadIni();
}

bool frmCustomColour::schemeNameUsable()
{
    const QString scheme = cboColourScheme->currentText();
    // A pasted name passes the keystroke filter; it must never name a file outside the folder.
    if (scheme.isEmpty() || !SchemeStore::IsFileName(scheme)) {
        MessageBoxes::instance().show(this, MessageBoxes::Icon::Warning, ErrorTitle,
                                      scheme.isEmpty() ? SelectScheme : Alphanumeric,
                                      MessageBoxes::Buttons::Ok);
        return false;
    }
    return true;
}

void frmCustomColour::cboColourScheme_Click()
{
    clearLists();
    if (!schemeNameUsable()) return;
    listColours(SchemeStore::load(schemeFile()));
}

void frmCustomColour::cmdADDColour_Click()
{
    // Blanks round a name do not count when the file is read back.
    const QString name = txtEnterColName->text().trimmed();
    auto& messages = MessageBoxes::instance();
    if (name.isEmpty()) {
        messages.show(this, MessageBoxes::Icon::Warning, ErrorTitle, EnterName,
                      MessageBoxes::Buttons::Ok);
        return;
    }
    if (!schemeNameUsable()) return;
    // Taken: a name the list shows begins with it, or the file holds it already, whatever the
    // list shows (a scheme typed in rather than chosen lists nothing).
    const QString wanted = IniText::matchKey(name);
    bool taken = INI::SectionExists(schemeFile(), name);
    for (int i = 0; i < devColorSelect1->ListCount() && !taken; ++i)
        taken = IniText::matchKey(devColorSelect1->ItemCaption(i)).startsWith(wanted);
    if (taken) {
        messages.show(this, MessageBoxes::Icon::Information, ErrorTitle, NameTaken,
                      MessageBoxes::Buttons::Ok);
        return;
    }
    const int colour = Host.currentColour();
    // A colour the file refused stays out of the list and its name in the box, so the list
    // never shows what is not stored.
    const auto file = SchemeStore::schemeFileToChange(cboColourScheme->currentText());
    if (!file || !INI::AddToINI(*file, name, QStringLiteral("1"), QString::number(colour))) return;
    devColorSelect1->AddItem(name, colour);
    devColorSelect1->PaintListItems();
    txtEnterColName->clear();
    AddtoCombo(cboColourScheme->currentText());
}

void frmCustomColour::cmdDelColour_Click()
{
    auto& messages = MessageBoxes::instance();
    if (devColorSelect1->ListCount() == 0 || !devColorSelect1->HasFocus()) {
        messages.show(this, MessageBoxes::Icon::Warning, ErrorTitle,
                      devColorSelect1->ListCount() == 0 ? LoadColour : SelectToDelete,
                      MessageBoxes::Buttons::Ok);
        return;
    }
    if (messages.show(this, MessageBoxes::Icon::Warning, WarningTitle, ConfirmColourDelete,
                      MessageBoxes::Buttons::YesNo) != MessageBoxes::Answer::Yes)
        return;
    if (const auto file = SchemeStore::schemeFileToChange(cboColourScheme->currentText()))
        INI::DeleteSection(*file, devColorSelect1->ItemCaption(devColorSelect1->ListIndex()));
    loadIni();
}

void frmCustomColour::cmdRenameColour_Click()
{
    if (devColorSelect1->ListCount() == 0 || !devColorSelect1->HasFocus()) {
        MessageBoxes::instance().show(this, MessageBoxes::Icon::Warning, ErrorTitle,
                                      devColorSelect1->ListCount() == 0 ? LoadColour
                                                                        : SelectToRename,
                                      MessageBoxes::Buttons::Ok);
        return;
    }
    frmRename dialog(*this);
    dialog.txtOldColour->setText(QString::number(devColorSelect1->GetColour()));
    dialog.txtSchemename->setText(cboColourScheme->currentText());
    dialog.txtLineNumber->setText(QString::number(devColorSelect1->ListIndex()));
    dialog.txtOldName->setText(devColorSelect1->ItemCaption(CurrentLine));
    dialog.Picture1->setBackColor(devColorSelect1->GetColour());
    dialog.exec();
}

void frmCustomColour::cmdDeleteScheme_Click()
{
    auto& messages = MessageBoxes::instance();
    if (!schemeNameUsable()) return;
    if (messages.show(this, MessageBoxes::Icon::Question, WarningTitle, ConfirmSchemeDelete,
                      MessageBoxes::Buttons::YesNo) != MessageBoxes::Answer::Yes)
        return;
    // A read-only program folder's copy cannot go; only the user's own is removed.
    QFile::remove(ProgramFolder::writeFolder() + u'/' + cboColourScheme->currentText() +
                  QStringLiteral(".col"));
    cboColourScheme->setEditText(QString());
    clearLists();
    LoadCombo();
}

void frmCustomColour::cmdRenameScheme_Click()
{
    if (!schemeNameUsable()) return;
    frmRenameScheme dialog(*this);
    dialog.txtOldSchemeName->setText(cboColourScheme->currentText());
    dialog.exec();
}

void frmCustomColour::cmdSelectColour_Click()
{
    if (devColorSelect1->ListCount() == 0) {
        MessageBoxes::instance().show(this, MessageBoxes::Icon::Warning, ErrorTitle, LoadColour,
                                      MessageBoxes::Buttons::Ok);
        return;
    }
    sendSelectedColour();
}

void frmCustomColour::sendSelectedColour()
{
    // The selected index outlives a reload; past the end of a shorter list it names no colour,
    // and sending one would blacken the main window.
    const int index = devColorSelect1->ListIndex();
    if (index >= 0 && index < devColorSelect1->ListCount())
        Host.SetFormColours(devColorSelect1->GetColour());
}

void frmCustomColour::devColorSelect1_MouseDown(int index, int colour)
{
    CurrentLine = index;
    picSelect->setBackColor(colour);
}
