#include "frmRGBchart.h"

#include "Module1.h"
#include "Numbers.h"
#include "Save_Win_POS_SIZE.h"
#include "ScrollingViewPort.h"
#include "SettingsStore.h"
#include "Twips.h"
#include "WindowPictures.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <algorithm>

using Twips::place;

namespace {

// Title, name and the two options sit above the viewport.
constexpr int HeaderTwips = 780;

// The chart tests "ontop" on its own: any number but 0 is on, and so is a setting never stored.
bool onTop()
{
    const auto value = Numbers::NumericValue(
        SettingsStore::GetSetting(SettingsStore::ExeName(), QStringLiteral("settings"),
                                  QStringLiteral("ontop"), QStringLiteral("1")));
    return value && *value != 0;
}

} // namespace

frmRGBchart::frmRGBchart(QWidget* mainWindow) : QWidget(nullptr), mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("frmRGBchart"));
    setWindowTitle(QStringLiteral("RGB Colour Chart"));
    setAttribute(Qt::WA_DeleteOnClose);

    Label2 = place(new QLabel(QStringLiteral("RGB Colour Chart"), this), 120, 60, 3600, 420);
    QFont title(QStringLiteral("Arial"));
    title.setPointSize(14);
    title.setBold(true);
    Label2->setFont(title);
    Label1 = place(new QLabel(QStringLiteral("Tintwell"), this), 0, 480, 7800, 255);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setIndent(Twips::toPixelsX(120));
    for (QLabel* label : {Label2, Label1})
        label->setTextFormat(Qt::PlainText);
    Option1 = place(new QRadioButton(QStringLiteral("RGB"), this), 4080, 120, 855, 315);
    Option2 = place(new QRadioButton(QStringLiteral("HEX"), this), 5040, 120, 855, 315);

    Picture3 = QPixmap::fromImage(WindowPictures::Chart(false));
    Picture4 = QPixmap::fromImage(WindowPictures::Chart(true));
    ScrollingViewPort1 = new ScrollingViewPort(this);
    ScrollingViewPort1->move(0, Twips::toPixelsY(HeaderTwips));
    ScrollingViewPort1->setScrollBarVerticle(3);
    ScrollingViewPort1->setScrollBarHorizontal(3);
    Picture1 = new QLabel(ScrollingViewPort1);

    Option1->setChecked(true);
    // The arrow keys move the choice as well as a click does.
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on) showChart(Picture3);
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on) showChart(Picture4);
    });
    Form_Load();
}

void frmRGBchart::Form_Load()
{
    Save_Win_POS_SIZE::RestoreWindowPlacement(this, 7920, 6720, 0, 0, false);
    if (mainWindow_) setWindowIcon(mainWindow_->windowIcon());
    if (onTop()) SetAlwaysOnTop(this);
    showChart(Picture3);
}

void frmRGBchart::showChart(const QPixmap& chart)
{
    Picture1->setPixmap(chart);
    Picture1->resize(chart.deviceIndependentSize().toSize());
    CheckSize();
}

void frmRGBchart::CheckSize()
{
    // Writing a mode lays the viewport out again; a bar ends shown at the right or bottom edge
    // only while the chart is larger than the view that way.
    if (ScrollingViewPort1->height() < Picture1->height()) {
        ScrollingViewPort1->setScrollBarVerticle(1);
        ScrollingViewPort1->setScrollBarVerticle(3);
    }
    if (ScrollingViewPort1->width() < Picture1->width()) {
        ScrollingViewPort1->setScrollBarHorizontal(1);
        ScrollingViewPort1->setScrollBarHorizontal(3);
    }
}

void frmRGBchart::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

// The viewport fills the window below the header, less a small margin, so that its bottom bar
// stays inside the window.
void frmRGBchart::Form_Resize()
{
    const int top = ScrollingViewPort1->y();
    ScrollingViewPort1->resize(width(), std::max(0, height() - top - Twips::toPixelsY(50)));
    Label1->resize(width(), Label1->height());
}

void frmRGBchart::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void frmRGBchart::closeEvent(QCloseEvent* event)
{
    ClearAlwaysOnTop(this);
    if (onTop() && mainWindow_) SetAlwaysOnTop(mainWindow_);
    Save_Win_POS_SIZE::SaveWindowPlacement(this);
    event->accept();
}
