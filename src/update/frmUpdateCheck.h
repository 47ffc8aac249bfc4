#pragma once

#include <QDialog>

class Caption;
class QLabel;
class QPushButton;
class ctlDownload;

// "Check Update": asks the update server which version is the latest, says whether it is newer
// than this one and, on request, downloads the release to a place the user picks. It opens modal
// over the main window and asks the server at once; nothing it does over the network ever waits
// on the window's thread.
class frmUpdateCheck : public QDialog {
    Q_OBJECT

public:
    explicit frmUpdateCheck(QWidget* owner);

    Caption* lblEXEName = nullptr;
    Caption* Caption1 = nullptr;
    Caption* lblOldVersion = nullptr;
    Caption* Caption2 = nullptr;
    Caption* lblNewVersion = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* lblInfo = nullptr;
    QLabel* lblDownload = nullptr;
    QPushButton* cmdDownload = nullptr;
    QPushButton* cmdExit = nullptr;
    ::ctlDownload* ctlVersionCheck = nullptr;
    ::ctlDownload* ctlDownload = nullptr;

protected:
    // Every way out (Exit, Esc, the frame's close, a finished download) ends here.
    void done(int result) override;

private:
    void Form_Load();
    void ctlVersionCheck_finished(int status, const QByteArray& value);
    void cmdDownload_Click();
    void ctlDownload_Progress(float percent);
    void ctlDownload_finished(int status, const QByteArray& value);
    void cmdExit_Click();
    // Back to idle after a release download that did not land, saying why.
    void downloadFailed(const QString& text);

    QWidget* owner_;
    QString infoUrl_;
    QString infoText_;
    QString downloadUrl_;
    QString extension_;
    QString savePath_;
};
