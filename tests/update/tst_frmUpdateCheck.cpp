#include "Caption.h"
#include "GetString_Between_Tags.h"
#include "PickerFixture.h"
#include "TestMain.h"
#include "ctlDownload.h"
#include "frmUpdateCheck.h"

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSslConfiguration>
#include <QVersionNumber>

using namespace TestSupport;

const auto Newer = QString::number(QVersionNumber::fromString(RUNNING_VERSION).majorVersion() + 1);
const QByteArray News = // its tags in lower case: tags are found in any letter case
    "<Version>" + Newer.toUtf8() + "</Version>\n<info>Now <b>faster</b>\nand smaller</info>";

class tst_frmUpdateCheck : public QObject {
    Q_OBJECT

    PickerFixture f;
    ScriptedFileDialog files;
    QTemporaryDir served; // the server's files, with its releases r.zip and setup.exe
    QProcess server;
    QString http, https; // our servers' addresses
    QPointer<frmUpdateCheck> win;

    // Opens Help > Check Update, the server at base serving information.
    void open(const QString& base, const QByteArray& information)
    {
        writeBytes(served.filePath("downloads/TintwellNew.txt"), information);
        store("tintwell/settings/UpdateServer", base);
        f.start().mnuCheck->trigger();
        win = f.window->findChild<frmUpdateCheck*>();
        QVERIFY(win && win->isModal() && win->isVisible());
    }

private slots:
    void initTestCase()
    {
        server.start("python3", {UPDATE_SERVER, served.path()});
        QTRY_VERIFY_WITH_TIMEOUT(server.canReadLine(), 10000);
        const QStringList started = QString(server.readLine()).trimmed().split(u' ');
        http = started.value(0), https = started.value(1);
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.addCaCertificates(started.value(2));
        QSslConfiguration::setDefaultConfiguration(tls);
    }
    void cleanupTestCase() { server.close(); }
    void init() { f.reset(); }

    // Without the window: 1.5.0 is no update to 2.0.0 (it once was), nor 1.2.3 to itself.
    void versionsTagsAndExtensions()
    {
        QVERIFY(!CheckVersion("2.0.0", "1.5.0") && !CheckVersion("1.2.3", "1.2.3"));
        QVERIFY(CheckVersion("1.2.3", "1.10") && GetFileExtensionUsingStringManip("a") == "a");
        QCOMPARE(GetString_Between_Tags("<a>", "<a>", "a>"), ""); // overlapping tags
    }

    // Whatever the server does, the check ends in one of its states (news without tags is no
    // update); its text shows as it is, markup included, LF as CR LF.
    void checkEndsInOneOfItsStates_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QByteArray>("information");
        QTest::addColumn<QString>("shown"); // title|new version|information|Download on
        const auto fresh = "New Update Available.|" + Newer + "|Now <b>faster</b>\r\nand smaller|1";
        const QString latest = "No Update Available.||You have the Latest Version....|0";
        const QString failed = "Checking Version...|Checking Version...|There has been an "
                               "error...File Info Not Received.|0";
        QTest::newRow("newer") << http << News << fresh;
        QTest::newRow("same") << http << QByteArray("<Version>" RUNNING_VERSION "</Version>")
                              << latest;
        QTest::newRow("garbage") << http << QByteArray("\x01\xff\x00<Info>\x80", 8) << latest;
        QTest::newRow("404") << http + "/missing" << News << failed;
        QTest::newRow("refused") << "http://127.0.0.1:1" << News << failed;
        QTest::newRow("huge") << http << News + QByteArray(2 << 20, ' ') << failed;
        QTest::newRow("endless") << http + "/endless" << News << failed;
        QTest::newRow("cut short") << http + "/cut" << News << failed;
        QTest::newRow("https to http") << https + "/to-http" << News << failed;
        QTest::newRow("https to https") << https + "/to-https" << News << fresh;
    }
    void checkEndsInOneOfItsStates()
    {
        QFETCH(QString, base);
        QFETCH(QByteArray, information);
        open(base, information);
        QCOMPARE(win->lblOldVersion->caption(), RUNNING_VERSION);
        QTRY_VERIFY(!win->lblInfo->text().isEmpty());
        const QStringList seen{win->windowTitle(),
                               win->lblNewVersion->isVisible() ? win->lblNewVersion->caption() : "",
                               win->lblInfo->text(),
                               QString::number(win->cmdDownload->isEnabled())};
        QTEST(seen.join(u'|'), "shown");
        QCOMPARE(win->cursor().shape(), Qt::ArrowCursor);    // busy no longer
        QCOMPARE(win->lblInfo->textFormat(), Qt::PlainText); // markup shows as it is
    }

    // The release lands whole, with its progress shown, or leaves what the chosen file held
    // (cancelled, cut short, a file: address); a failure says so and offers it again.
    void releaseDownload_data()
    {
        QTest::addColumn<QString>("then"); // once under way; "" cancels the save dialog
        QTest::addColumn<QString>("release");
        QTest::addColumn<QString>("shown"); // file | progress | button, or "closed"
        const QString failed = "old|There has been an error...Update Not Received.|Download";
        QTest::newRow("lands") << "wait" << (http + "/slow/r.zip") << "new|closed";
        QTest::newRow("Cancel") << "Cancel" << (http + "/slow/r.zip") << "old||Download";
        QTest::newRow("Esc") << "Esc" << (http + "/slow/r.zip") << "old|closed";
        QTest::newRow("cut short") << "wait" << (http + "/cut/setup.exe") << failed;
        // Past the size limit its progress once came after the failure and hid it.
        QTest::newRow("endless") << "wait" << (http + "/endless/r.zip") << failed;
        QTest::newRow("file:") << "wait" << served.filePath("r.zip").prepend("file://") << failed;
        QTest::newRow("save cancelled") << "" << (http + "/r.zip") << "old||Download";
    }
    void releaseDownload()
    {
        QFETCH(QString, release);
        QFETCH(QString, then);
        const QString target = f.file("saved/update.bin");
        writeBytes(target, "old");
        files.answer = then.isEmpty() ? std::nullopt : std::optional(target);
        open(http, "<Version>99</Version><Download>\n" + release.toUtf8() + "</Download>");
        QTRY_VERIFY(win->cmdDownload->isEnabled());
        QStringList progress;
        connect(win->ctlDownload, &ctlDownload::Progress, this,
                [&] { progress << win->lblDownload->text(); });
        QTest::mouseClick(win->cmdDownload, Qt::LeftButton);
        const FileDialog::Request asked = files.requests.value(files.requests.size() - 1);
        const QString type = release.section(u'.', -1), name = release.section(u'/', -1);
        const auto [filter, pattern] = asked.filters.value(0);
        QCOMPARE(QStringList({filter, pattern, asked.title, asked.fileName, asked.defaultSuffix}),
                 QStringList({type + "Filetype.", "*." + type, "Save New Update", name, "zip"}));
        QVERIFY(asked.overwritePrompt && win->cmdExit->isEnabled() == then.isEmpty());
        if (then == "Cancel" || then == "Esc") {
            QTRY_VERIFY(!progress.isEmpty());
            then == "Esc" ? QTest::keyClick(win, Qt::Key_Escape)
                          : QTest::mouseClick(win->cmdDownload, Qt::LeftButton);
            QVERIFY(then == "Esc" ? !win->isVisible() : win->cmdDownload->text() == "Download");
            QTest::qWait(600); // the server sends on: nothing may arrive
        }
        QTRY_VERIFY(!win || win->cmdDownload->text() == "Download");
        const QByteArray file = bytesOf(target);
        QTEST((file == bytesOf(served.filePath("r.zip")) ? "new" : file) + '|' +
                  (win ? win->lblDownload->text() + '|' + win->cmdDownload->text() : "closed"),
              "shown");
        // All it says shows (a failure was once cut off).
        const QLabel* said = win ? win->lblDownload : nullptr;
        QVERIFY(!said ||
                (said->wordWrap() && said->rect().contains(said->fontMetrics().boundingRect(
                                         said->rect(), Qt::TextWordWrap, said->text()))));
        if (then != "wait" || win) return;
        QVERIFY(QSet(progress.begin(), progress.end()).size() >= 2); // each "Downloading 42.0%"
        QCOMPARE(progress.filter(QRegularExpression(R"(^Downloading \d{1,3}\.\d%$)")), progress);
    }

    // Without a server the item is off and says why. The window opens 400 and 800 twips off the
    // main window, in the top band with "ontop"; Esc while it asks closes it and restores the band.
    void menuItemAndTopBand()
    {
        const QAction* item = f.start().mnuCheck;
        QCOMPARE(item->isEnabled(), !QString(BUILD_UPDATE_URL).isEmpty());
        QCOMPARE(item->toolTip() == item->text(), item->isEnabled()); // or it says why
        store("tintwell/settings/ontop", "1");
        open(http + "/stall", News);
        QCOMPARE(win->pos() - f.window->pos(), QPoint(27, 53));
        QTest::keyClick(win, Qt::Key_Escape);
        QVERIFY(!win || !win->isVisible());
        QCOMPARE(f.windows.calls.mid(1).join(u' '), // after the main window's own
                 "top:frmUpdateCheck untop:frmUpdateCheck top:frmColourPicker");
    }
};

TINTWELL_TEST_MAIN(tst_frmUpdateCheck)
#include "tst_frmUpdateCheck.moc"
