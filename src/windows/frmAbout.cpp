#include "frmAbout.h"

#include "TopBand.h"
#include "WindowPictures.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

frmAbout::frmAbout(QWidget* mainWindow)
    : QDialog(mainWindow), picture_(QPixmap::fromImage(WindowPictures::AboutPicture())),
      mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Tintwell"));
    setModal(true);
    setFixedSize(picture_.deviceIndependentSize().toSize());
    lblVersion = new QLabel(this);
    lblVersion->setTextFormat(Qt::PlainText);
    lblVersion->setGeometry(172, 120, 180, 18);
    // The version the build was made as.
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(TINTWELL_VERSION_MAJOR)
                            .arg(TINTWELL_VERSION_MINOR)
                            .arg(TINTWELL_VERSION_PATCH));
    if (mainWindow) setWindowIcon(mainWindow->windowIcon());
    TopBand::joinOnLoad(this);
}

void frmAbout::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, picture_);
}

void frmAbout::mouseReleaseEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint())) accept();
}

void frmAbout::done(int result)
{
    TopBand::leaveOnUnload(this, mainWindow_);
    QDialog::done(result);
}
