#include "frmUpdateCheck.h"

#include "Caption.h"
#include "GetString_Between_Tags.h"
#include "TextEncoding.h"
#include "TopBand.h"
#include "Twips.h"
#include "UpdateServer.h"
#include "WholeFile.h"
#include "cOpenSaveDialog.h"
#include "ctlDownload.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

using Twips::place;

namespace {

const QString Checking = QStringLiteral("Checking Version...");
const QString NotReceived = QStringLiteral("There has been an error...File Info Not Received.");
const QString NoUpdate = QStringLiteral("No Update Available.");
const QString Latest = QStringLiteral("You have the Latest Version....");
const QString NewUpdate = QStringLiteral("New Update Available.");
const QString DownloadCaption = QStringLiteral("Download");
const QString CancelCaption = QStringLiteral("Cancel");
const QString ReleaseNotReceived = QStringLiteral("There has been an error...Update Not Received.");
const QString ReleaseNotSaved = QStringLiteral("There has been an error...Update Not Saved.");

// The information file is a few lines of text; anything much bigger is no such file.
constexpr qint64 MaxInformationBytes = 1 << 20;
// A release is a few megabytes; a download that outgrows this is no release of ours.
constexpr qint64 MaxReleaseBytes = qint64(256) << 20;
// Any path Linux can open fits.
constexpr int MaxPathLength = 4096;

QString RunningVersion()
{
    return QStringLiteral("%1.%2.%3")
        .arg(TINTWELL_VERSION_MAJOR)
        .arg(TINTWELL_VERSION_MINOR)
        .arg(TINTWELL_VERSION_PATCH);
}

// A plain label of this window: the server's words are shown as they are, never as markup.
QLabel* plainLabel(QWidget* parent, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

Caption* decoratedLabel(QWidget* parent, const QString& text)
{
    auto* label = new Caption(parent);
    label->setCaption(text);
    label->setCaptionOutlined(false);
    label->setCaptionShadowed(false);
    const QColor ink = parent->palette().color(QPalette::WindowText);
    label->setCaptionINColor(ink.red() + ink.green() * 256 + ink.blue() * 65536);
    return label;
}

} // namespace

frmUpdateCheck::frmUpdateCheck(QWidget* owner) : QDialog(owner), owner_(owner)
{
    setObjectName(QStringLiteral("frmUpdateCheck"));
    setFixedSize(Twips::toPixelsX(5400), Twips::toPixelsY(3855));
    lblEXEName = place(decoratedLabel(this, {}), 120, 120, 5160, 480);
    QFont title = lblEXEName->font();
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setBold(true);
    lblEXEName->setFont(title);
    Caption1 = place(decoratedLabel(this, QStringLiteral("Current Version")), 120, 720, 2400, 300);
    lblOldVersion = place(decoratedLabel(this, {}), 2640, 720, 2640, 300);
    Caption2 = place(decoratedLabel(this, QStringLiteral("New Version")), 120, 1080, 2400, 300);
    lblNewVersion = place(decoratedLabel(this, {}), 2640, 1080, 2640, 300);
    Label5 = place(plainLabel(this, QStringLiteral("Information")), 120, 1500, 5160, 240);
    // News of any length stays readable.
    auto* infoArea = place(new QScrollArea(this), 120, 1740, 5160, 1560);
    lblInfo = plainLabel(infoArea);
    lblInfo->setWordWrap(true);
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    infoArea->setWidget(lblInfo);
    infoArea->setWidgetResizable(true);
    // Two lines beside the buttons: a failure takes more than one.
    lblDownload = place(plainLabel(this), 120, 3300, 2760, 510);
    lblDownload->setWordWrap(true);
    cmdDownload = place(new QPushButton(DownloadCaption, this), 2940, 3360, 1110, 375);
    cmdDownload->setEnabled(false);
    cmdExit = place(new QPushButton(QStringLiteral("Exit"), this), 4170, 3360, 1110, 375);
    ctlVersionCheck = new ::ctlDownload(MaxInformationBytes, this);
    ctlDownload = new ::ctlDownload(MaxReleaseBytes, this);

    connect(ctlVersionCheck, &::ctlDownload::finished, this,
            [this](const QString&, int status, const QByteArray& value) {
                ctlVersionCheck_finished(status, value);
            });
    connect(ctlDownload, &::ctlDownload::Progress, this,
            [this](const QString&, float percent) { ctlDownload_Progress(percent); });
    connect(ctlDownload, &::ctlDownload::finished, this,
            [this](const QString&, int status, const QByteArray& value) {
                ctlDownload_finished(status, value);
            });
    connect(cmdDownload, &QPushButton::clicked, this, [this] { cmdDownload_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    Form_Load();
}

void frmUpdateCheck::Form_Load()
{
    TopBand::joinOnLoad(this);
    if (owner_) move(owner_->pos() + QPoint(Twips::toPixelsX(400), Twips::toPixelsY(800)));
    setCursor(Qt::BusyCursor);
    lblEXEName->setCaption(QStringLiteral("Tintwell"));
    lblNewVersion->setCaption(Checking);
    setWindowTitle(Checking);
    lblOldVersion->setCaption(RunningVersion());
    infoUrl_ = UpdateServer::InformationUrl();
    ctlVersionCheck->Download(infoUrl_);
}

void frmUpdateCheck::ctlVersionCheck_finished(int status, const QByteArray& value)
{
    // The check is over either way, so the pointer no longer says it is busy.
    unsetCursor();
    if (status != ::ctlDownload::Complete) {
        lblInfo->setText(NotReceived);
        return;
    }
    infoText_ = TextEncoding::decode(value).replace(u'\n', QStringLiteral("\r\n"));
    const QString newVersion = GetString_Between_Tags(infoText_, QStringLiteral("<Version>"),
                                                      QStringLiteral("</Version>"));
    lblNewVersion->setCaption(newVersion);
    if (!CheckVersion(lblOldVersion->caption(), newVersion)) {
        setWindowTitle(NoUpdate);
        lblInfo->setText(Latest);
        cmdDownload->setEnabled(false);
        Caption2->hide();
        lblNewVersion->hide();
        return;
    }
    lblInfo->setText(
        GetString_Between_Tags(infoText_, QStringLiteral("<Info>"), QStringLiteral("</Info>")));
    // Blanks and line breaks round the address are layout, not part of it.
    downloadUrl_ = GetString_Between_Tags(infoText_, QStringLiteral("<Download>"),
                                          QStringLiteral("</Download>"))
                       .trimmed();
    extension_ = GetFileExtensionUsingStringManip(downloadUrl_);
    cmdDownload->setEnabled(true);
    setWindowTitle(NewUpdate);
    Caption2->show();
    lblNewVersion->show();
}

void frmUpdateCheck::cmdDownload_Click()
{
    if (cmdDownload->text() == CancelCaption) {
        ctlDownload->CancelDownload(downloadUrl_);
        cmdDownload->setText(DownloadCaption);
        lblDownload->clear();
        cmdExit->setEnabled(true);
        return;
    }
    cOpenSaveDialog dialog;
    dialog.setFilter(extension_ + QStringLiteral("Filetype.") + QStringLiteral("|*.") + extension_);
    dialog.setFlags(cOpenSaveDialog::OFN_OVERWRITEPROMPT);
    dialog.DialogTitle = QStringLiteral("Save New Update");
    dialog.setMaxFileSize(MaxPathLength);
    dialog.setFileName(FileNameOfUrl(downloadUrl_));
    dialog.DefaultExt = QStringLiteral("zip");
    if (!dialog.ShowSave(this)) return;
    savePath_ = dialog.FileName();
    cmdDownload->setText(CancelCaption);
    cmdExit->setEnabled(false);
    lblDownload->clear();
    ctlDownload->Download(downloadUrl_);
}

void frmUpdateCheck::ctlDownload_Progress(float percent)
{
    lblDownload->setText(QStringLiteral("Downloading ") + QString::number(percent, 'f', 1) + u'%');
}

void frmUpdateCheck::ctlDownload_finished(int status, const QByteArray& value)
{
    if (status != ::ctlDownload::Complete) downloadFailed(ReleaseNotReceived);
    // Whole or not at all: what the chosen file held before stays until the new one is complete.
    else if (!WholeFile::Write(savePath_, value))
        downloadFailed(ReleaseNotSaved);
    else
        accept();
}

void frmUpdateCheck::downloadFailed(const QString& text)
{
    cmdDownload->setText(DownloadCaption);
    cmdExit->setEnabled(true);
    lblDownload->setText(text);
}

void frmUpdateCheck::cmdExit_Click()
{
    ctlVersionCheck->CancelDownload(infoUrl_);
    close();
}

void frmUpdateCheck::done(int result)
{
    // Nothing may arrive once the window has gone: a release landing late would still be written.
    ctlVersionCheck->CancelDownload(infoUrl_);
    ctlDownload->CancelDownload(downloadUrl_);
    TopBand::leaveOnUnload(this, owner_);
    QDialog::done(result);
}
