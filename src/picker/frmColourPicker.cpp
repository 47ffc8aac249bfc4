#include "frmColourPicker.h"

#include "ColourBox.h"
#include "PalletteFile.h"
#include "Pictures.h"
#include "Twips.h"
#include "cpvButton.h"
#include "ctxUpDown.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

namespace {

// Every position below is in twips, relative to the client area for frames and to the frame for
// the controls inside it, as the window was first laid out.
using Twips::place;

QLabel* label(QWidget* parent, const QString& caption, bool arial = false)
{
    auto* result = new QLabel(caption, parent);
    result->setTextFormat(Qt::PlainText);
    if (arial) {
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(7);
        font.setBold(true);
        result->setFont(font);
    }
    return result;
}

QLineEdit* textBox(QWidget* parent, const QString& text = {}, bool readOnly = false)
{
    auto* box = new QLineEdit(text, parent);
    box->setReadOnly(readOnly);
    return box;
}

// The copy buttons show a picture and no caption.
cpvButton* copyButton(QWidget* parent, const QString& name)
{
    auto* button = new cpvButton(QString(), parent);
    button->setObjectName(name);
    button->setStyle(1);
    button->setPicture(Pictures::Copy());
    button->setToolTip(QObject::tr("Copy to the clipboard"));
    return button;
}

QFont smallFont(QFont font)
{
    font.setPointSize(7);
    return font;
}

QGroupBox* frame(QWidget* parent, const QString& caption)
{
    return new QGroupBox(caption, parent);
}

QSlider* slider(QWidget* parent, int maximum)
{
    auto* result = new QSlider(Qt::Horizontal, parent);
    result->setRange(0, maximum);
    result->setPageStep(maximum >= 255 ? 16 : 10);
    return result;
}

} // namespace

frmColourPicker::frmColourPicker(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmColourPicker"));
    setWindowTitle(QStringLiteral("Tintwell"));
    Picture2 = Pictures::Dropper();
    setWindowIcon(QIcon(Picture2));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    QFont font = client->font();
    font.setPointSize(8);
    client->setFont(font);
    client->setFixedSize(Twips::toPixelsX(6375), Twips::toPixelsY(6840));
    setCentralWidget(client);

    buildMenus();
    buildCodePanes(client);
    buildPickerFrame(client);
    buildHexFrame(client);
    buildPalletteFrame(client);
    buildEditingFrames(client);
    buildBottomRow(client);
    connectControls();
    setFixedSize(sizeHint());

    Form_Load();
}

// The chart has no owner to take it along.
frmColourPicker::~frmColourPicker()
{
    delete rgbChart_;
}

void frmColourPicker::buildMenus()
{
    mnufile = menuBar()->addMenu(QStringLiteral("File"));
    mnufilecustomcolour = mnufile->addAction(QStringLiteral("Custom Colours"));
    mnufile->addSeparator();
    mnufileexit = mnufile->addAction(QStringLiteral("Exit"));

    mnutools = menuBar()->addMenu(QStringLiteral("Tools"));
    mnutoolsrgbchart = mnutools->addAction(QStringLiteral("RGB Conversion Chart"));

    mnuhelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuCheck = mnuhelp->addAction(QStringLiteral("Check Update"));
    mnuhelp->addSeparator();
    mnuhelpcontents = mnuhelp->addAction(QStringLiteral("Help Contents"));
    mnuhelpabout = mnuhelp->addAction(QStringLiteral("About"));

    // The palette's pop-up menu; never part of the menu bar.
    mnuhidden = new QMenu(QStringLiteral("hidden"), this);
    mnuClearColour = mnuhidden->addAction(QStringLiteral("Clear Colour"));
    mnuclearall = mnuhidden->addAction(QStringLiteral("Clear All Colours"));
    mnusaveasscheme = mnuhidden->addAction(QStringLiteral("Save as Scheme"));
    mnusaveasscheme->setVisible(false);

    // An update server may be named while the program runs; the menu looks each time it opens.
    mnuhelp->setToolTipsVisible(true);
    mnuCheck_Refresh();
    connect(mnuhelp, &QMenu::aboutToShow, this, [this] { mnuCheck_Refresh(); });
    connect(mnuCheck, &QAction::triggered, this, [this] { mnuCheck_Click(); });
}

void frmColourPicker::buildCodePanes(QWidget* client)
{
    // Both panes share one place; the option button in each switches to the other.
    Frame1 = place(frame(client, QStringLiteral(" Colour Codes ")), 60, 0, 2655, 2415);
    Option1 = place(new QRadioButton(Frame1), 2340, 60, 255, 255);
    Option1->setAutoExclusive(false);
    Label1 = place(label(Frame1, QStringLiteral("HEX FOR HTML"), true), 120, 240, 1935, 195);
    txtHexCodeHtml = place(textBox(Frame1, {}, true), 120, 435, 1935, 285);
    cmdHexHtml = place(copyButton(Frame1, QStringLiteral("cmdHexHtml")), 2115, 435, 435, 285);
    Label2 = place(label(Frame1, QStringLiteral("RGB AS LONG FOR VB"), true), 120, 780, 1935, 195);
    txtRGBforVB = place(textBox(Frame1, {}, true), 120, 975, 1935, 285);
    cmdRGBforVB = place(copyButton(Frame1, QStringLiteral("cmdRGBforVB")), 2115, 975, 435, 285);
    Label3 = place(label(Frame1, QStringLiteral("HEX CODE FOR VB"), true), 120, 1320, 1935, 195);
    txtHexforVB = place(textBox(Frame1, {}, true), 120, 1515, 1935, 285);
    Command3 = place(copyButton(Frame1, QStringLiteral("Command3")), 2115, 1515, 435, 285);
    Label19 = place(label(Frame1, QStringLiteral("HSL"), true), 120, 1860, 1935, 195);
    txtHSL = place(textBox(Frame1, QStringLiteral("0,0,0"), true), 120, 2055, 1935, 285);

    Frame7 = place(frame(client, QStringLiteral(" Colour Codes ")), 60, 0, 2655, 2415);
    Option2 = place(new QRadioButton(Frame7), 2340, 60, 255, 255);
    Option2->setAutoExclusive(false);
    Label15 = place(label(Frame7, QStringLiteral("CPP")), 120, 240, 1935, 195);
    txtCPP = place(textBox(Frame7, {}, true), 120, 435, 1935, 285);
    cmdCPP = place(copyButton(Frame7, QStringLiteral("cmdCPP")), 2115, 435, 435, 285);
    Label16 = place(label(Frame7, QStringLiteral("Java")), 120, 780, 1935, 195);
    txtJava = place(textBox(Frame7, {}, true), 120, 975, 1935, 285);
    cmdJava = place(copyButton(Frame7, QStringLiteral("cmdJava")), 2115, 975, 435, 285);
    Label17 = place(label(Frame7, QStringLiteral("Delphi")), 120, 1320, 1935, 195);
    txtDelphi = place(textBox(Frame7, {}, true), 120, 1515, 1935, 285);
    cmdDelphi = place(copyButton(Frame7, QStringLiteral("cmdDelphi")), 2115, 1515, 435, 285);
    Label18 = place(label(Frame7, QStringLiteral("Photoshop")), 120, 1860, 1935, 195);
    txtPhotoshop = place(textBox(Frame7, {}, true), 120, 2055, 1935, 285);
    cmdPhotoshop = place(copyButton(Frame7, QStringLiteral("cmdPhotoshop")), 2115, 2055, 435, 285);
    Frame7->hide();
}

void frmColourPicker::buildPickerFrame(QWidget* client)
{
    Frame2 = place(frame(client, QString()), 2820, 0, 3495, 2415);
    Command1 = place(new cpvButton(QStringLiteral("Choose Colour"), Frame2), 120, 240, 1575, 375);
    cmd3rdParty = place(new cpvButton(QStringLiteral("Rizezor AD"), Frame2), 120, 720, 1575, 375);
    Label9 =
        place(label(Frame2, QStringLiteral("Click Dropper and Drag -->")), 1920, 240, 1020, 600);
    Label9->setWordWrap(true);
    Label9->setFont(smallFont(Label9->font()));
    Picture1 = place(new QLabel(Frame2), 3000, 240, 375, 375);
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setAlignment(Qt::AlignCenter);
    picShowColour = place(new ColourBox(Frame2), 120, 1200, 1575, 615);
    txtSampleText = place(textBox(Frame2, QStringLiteral("Sample Text")), 120, 1920, 1575, 285);
    txtSampleText->setFont(QFont(QStringLiteral("Arial"), 9));
    picMagnify = place(new QLabel(Frame2), 1920, 840, 1455, 975);
    picMagnify->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picMagnify->setAutoFillBackground(true);
    Timer1 = new QTimer(picMagnify);
    // A 60 Hz screen's frame until the first tick finds the screen under the pointer.
    Timer1->setInterval(17);
    Check2 = place(new QCheckBox(QStringLiteral("Magnify"), Frame2), 1920, 1965, 960, 255);
    Check2->setFont(smallFont(Check2->font()));
    Text1 = place(textBox(Frame2, QStringLiteral("0"), true), 2880, 1920, 375, 285);
    ctxUpDown1 = place(new ctxUpDown(Frame2), 3255, 1905, 210, 315);
}

void frmColourPicker::buildHexFrame(QWidget* client)
{
    Frame3 = place(frame(client, QString()), 60, 2400, 6255, 735);
    Label4 = place(label(Frame3, QStringLiteral("Enter Hex Code To Get Colour"), true), 120, 300,
                   2400, 255);
    txtEnterHex = place(textBox(Frame3), 2640, 255, 1815, 285);
    cmdApply = place(new cpvButton(QStringLiteral("Apply"), Frame3), 4560, 210, 1575, 375);
}

void frmColourPicker::buildPalletteFrame(QWidget* client)
{
    Frame6 = place(frame(client, QStringLiteral(" Dropper Pallette ")), 60, 3240, 6255, 975);
    for (int i = 1; i <= PalletteFile::Swatches; ++i) {
        const int column = (i - 1) % 17;
        auto* swatch =
            place(new ColourBox(Frame6), 120 + 360 * column, i <= 17 ? 240 : 600, 255, 255);
        swatch->setObjectName(QStringLiteral("PalletteColour%1").arg(i));
        swatch->setBackColor(ButtonFace);
        PalletteColour[i] = swatch;
    }

    // Laid over the swatches, hidden until the palette is full.
    palletteWarning = place(new QFrame(client), 1440, 3600, 3615, 495);
    Shape1 = new QFrame(palletteWarning);
    Shape1->setGeometry(palletteWarning->rect());
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setLineWidth(2);
    Shape1->setStyleSheet(QStringLiteral("QFrame { color: #c00000; background: #fff4c0; }"));
    Label13 = label(palletteWarning, QStringLiteral("Pallette Full"), true);
    Label13->setGeometry(palletteWarning->rect());
    Label13->setAlignment(Qt::AlignCenter);
    Label13->setStyleSheet(QStringLiteral("color: #c00000;"));
    palletteWarning->hide();
    Timer2 = new QTimer(this);
    Timer2->setInterval(250);
}

void frmColourPicker::buildEditingFrames(QWidget* client)
{
    Frame4 = place(frame(client, QStringLiteral(" RGB ")), 60, 4320, 6255, 2055);
    Label7 = place(label(Frame4, QStringLiteral("Red"), true), 120, 345, 600, 255);
    txtRGBred = place(textBox(Frame4), 720, 300, 615, 285);
    ctxUpDown2 = place(new ctxUpDown(Frame4), 1365, 285, 240, 315);
    sliRGB1 = place(slider(Frame4, 255), 1680, 270, 4455, 375);
    Label6 = place(label(Frame4, QStringLiteral("Green"), true), 120, 825, 600, 255);
    txtRGBgreen = place(textBox(Frame4), 720, 780, 615, 285);
    ctxUpDown3 = place(new ctxUpDown(Frame4), 1365, 765, 240, 315);
    sliRGB2 = place(slider(Frame4, 255), 1680, 750, 4455, 375);
    Label5 = place(label(Frame4, QStringLiteral("Blue"), true), 120, 1305, 600, 255);
    txtRGBblue = place(textBox(Frame4), 720, 1260, 615, 285);
    ctxUpDown4 = place(new ctxUpDown(Frame4), 1365, 1245, 240, 315);
    sliRGB3 = place(slider(Frame4, 255), 1680, 1230, 4455, 375);
    txtRGBvalue = place(textBox(Frame4, {}, true), 720, 1650, 1935, 285);
    cmdRGBcopy = place(new cpvButton(QStringLiteral("Copy RGB"), Frame4), 2760, 1620, 1575, 345);
    cmdRGBcopy->setStyle(1);
    cmdRGBcopy->setPicture(Pictures::Copy());
    cmdRGBtoPallette =
        place(new cpvButton(QStringLiteral("To Pallette"), Frame4), 4440, 1620, 1575, 345);

    Frame5 = place(frame(client, QStringLiteral(" HSB ")), 60, 4320, 6255, 2055);
    Label10 = place(label(Frame5, QStringLiteral("Hue")), 120, 345, 600, 255);
    txtHue = place(textBox(Frame5), 720, 300, 615, 285);
    ctxUpDown5 = place(new ctxUpDown(Frame5), 1365, 285, 240, 315);
    Slider1 = place(slider(Frame5, 359), 1680, 270, 4455, 375);
    Label12 = place(label(Frame5, QStringLiteral("Sat")), 120, 825, 600, 255);
    txtSat = place(textBox(Frame5), 720, 780, 615, 285);
    ctxUpDown6 = place(new ctxUpDown(Frame5), 1365, 765, 240, 315);
    Slider3 = place(slider(Frame5, 100), 1680, 750, 4455, 375);
    Label11 = place(label(Frame5, QStringLiteral("Bright")), 120, 1305, 600, 255);
    txtBright = place(textBox(Frame5), 720, 1260, 615, 285);
    ctxUpDown7 = place(new ctxUpDown(Frame5), 1365, 1245, 240, 315);
    Slider2 = place(slider(Frame5, 100), 1680, 1230, 4455, 375);
    cmdHSBtoPallette =
        place(new cpvButton(QStringLiteral("To Pallette"), Frame5), 4440, 1620, 1575, 345);

    Frame4->hide();
    Frame5->hide();
}

void frmColourPicker::buildBottomRow(QWidget* client)
{
    optFormat[0] = place(new QRadioButton(QStringLiteral("RGB"), client), 120, 6480, 855, 255);
    optFormat[1] = place(new QRadioButton(QStringLiteral("HSB"), client), 1080, 6480, 855, 255);
    optFormat[0]->setChecked(true);
    Check1 = place(new QCheckBox(QStringLiteral("On Top"), client), 2160, 6480, 1035, 255);
    Label8 = place(label(client, tr("Right-click a swatch to clear it")), 3360, 6495, 2895, 255);
}
