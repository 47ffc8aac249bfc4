// The windows killed while they save, on a full disk, kept from writing, and given odd things in
// place of their files: no file is lost or left half written, every failure is said, nothing
// hangs. The test runs itself as the program ("drive KIND FOLDER": the real windows on the
// offscreen platform, one user action, then what it said and shows). TINTWELL_KILLS sets the kills
// per kind (20 unless set).
#include "ColourBox.h"
#include "Files.h"
#include "ProgramFolder.h"
#include "StandIns.h"
#include "cpvButton.h"
#include "devColorSelect.h"
#include "frmColourPicker.h"
#include "frmCustomColour.h"
#include "frmRename.h"
#include "frmUpdateCheck.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

QString updateServer; // the address of the test's update server, which serves the release r.zip

// A program folder as a user leaves it: a full palette; the scheme s, in the old comma form or as
// INI, kept in a synced folder the user links to; the settings as a start leaves them, naming the
// update server; a release saved earlier. Open to everyone, for the runs as nobody.
void lay(const QString& folder, bool oldForm)
{
    QByteArray palette;
    for (int i = 1; i <= 34; ++i)
        palette +=
            QByteArray::number(i).leftJustified(4) + QByteArray::number(i * 1000).leftJustified(10);
    TestSupport::writeBytes(folder + "/Pallette.pal", palette);
    TestSupport::writeBytes(folder + "/config/Tintwell/tintwell.ini",
                            "[settings]\nontop=0\nUpdateServer=" + updateServer.toUtf8() +
                                "\n\n[Settings]\nCodePane=1\n");
    TestSupport::writeBytes(folder + "/update.zip", "an old release");
    TestSupport::writeBytes(folder + "/synced/s.col",
                            oldForm ? "Red,255,0,0\r\nGreen,0,255,0\r\n"
                                    : "[Red]\r\n1=255\r\n[Green]\r\n1=65280\r\n");
    QFile::link(folder + "/synced/s.col", folder + "/s.col");
    for (const char* sub : {"", "/synced", "/config", "/config/Tintwell"})
        chmod(qPrintable(folder + sub), 0777);
    for (const char* file : {"/synced/s.col", "/update.zip"})
        chmod(qPrintable(folder + file), 0664);
}

const QStringList Files = {"/Pallette.pal", "/config/Tintwell/tintwell.ini", "/synced/s.col",
                           "/update.zip"};

// What the files hold, in the order the windows show it: the 34 palette records, the settings, s;
// then the release, which no window shows.
QList<QByteArray> held(const QString& folder)
{
    QList<QByteArray> held;
    for (int r = 0; r < 34; ++r)
        held << TestSupport::bytesOf(folder + Files[0]).mid(r * 14, 14);
    for (const QString& file : Files.mid(1))
        held << TestSupport::bytesOf(folder + file);
    return held;
}

// What the windows show: the 34 swatches, On Top, and the colours of s in the schemes window.
QStringList seen(frmColourPicker& w)
{
    QStringList shown;
    for (int i = 1; i <= 34; ++i)
        shown << w.PalletteColour[i]->Tag.trimmed();
    const devColorSelect* list = w.findChild<frmCustomColour*>()->devColorSelect1;
    QString colours;
    for (int i = 0; i < list->ListCount(); ++i)
        colours += list->ItemCaption(i) + '=' + QString::number(list->ColorKeyValue(i)) + ' ';
    return shown << QString::number(w.Check1->isChecked()) << colours;
}

// One user action; every kind ends with s chosen in the schemes window, which converts it when it
// is in the old form. A release is saved over update.zip; the update window says how that went.
void act(frmColourPicker& w, const QString& kind)
{
    w.show();
    if (kind == "release") { // a wait that never ends is a hang the test reports
        w.mnuCheck->trigger();
        const QPointer check = w.findChild<frmUpdateCheck*>();
        while (!check->cmdDownload->isEnabled())
            QTest::qWait(10);
        QTest::mouseClick(check->cmdDownload, Qt::LeftButton);
        while (check && check->cmdDownload->text() != "Download")
            QTest::qWait(10);
        if (check) std::printf("said %s\n", qPrintable(check->lblDownload->text()));
        delete check;
    }
    if (kind == "palette") w.mnuclearall->trigger(); // answered Yes
    if (kind == "settings") QTest::mouseClick(w.Check1, Qt::LeftButton);
    w.mnufilecustomcolour->trigger();
    auto* schemes = w.findChild<frmCustomColour*>();
    QTest::keyClick(schemes->cboColourScheme, Qt::Key_Down);
    if (kind == "add") {
        QTest::keyClicks(schemes->txtEnterColName, "Teal");
        QTest::mouseClick(schemes->cmdADDColour, Qt::LeftButton);
    }
    if (kind != "rename") return;
    QTest::mouseClick(schemes->devColorSelect1->findChild<QWidget*>("PicItemDC"), Qt::LeftButton,
                      {}, {20, 7});
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<frmRename*>(QApplication::activeModalWidget());
        QTest::keyClicks(dialog->txtNewName, "Crimson");
        QTest::mouseClick(dialog->cmdRename, Qt::LeftButton);
    });
    QTest::mouseClick(schemes->cmdRenameColour, Qt::LeftButton);
}

int drive(const QString& kind, const QString& folder)
{
    ProgramFolder::setOverride(folder);
    RecordingMessageBoxes boxes;
    ScriptedFileDialog files;
    files.answer = folder + "/update.zip";
    frmColourPicker w;
    std::puts("ready");
    std::fflush(stdout);
    act(w, kind);
    for (const auto& box : boxes.shown)
        std::printf("said %s\n", qPrintable(QString(box.text).replace("\r\n", " ")));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak %ld\nseen %s\n", usage.ru_maxrss, qPrintable(seen(w).join(u'|')));
    return 0;
}

struct Run {
    QString out;
    QStringList seen;
    bool ended = false;
    qint64 ms = 0; // from the end of start-up to the end
};

} // namespace

class tst_robust : public QObject {
    Q_OBJECT

    QTemporaryDir shared; // a copy of this program that nobody may run
    QTemporaryDir served; // the update server's files
    QProcess server;

    // Runs the program on the folder with the variable env set (the disk slowed or full), as nobody
    // when asked, killed killMs after start-up unless that is negative.
    Run run(const QString& kind, const QString& folder, const QString& env = {}, int killMs = -1,
            bool nobody = false)
    {
        QProcess program;
        QProcessEnvironment vars = QProcessEnvironment::systemEnvironment();
        vars.insert("XDG_CONFIG_HOME", folder + "/config");
        if (!env.isEmpty()) {
            vars.insert("LD_PRELOAD", TINTWELL_SLOW_DISK);
            vars.insert(env.section('=', 0, 0), env.section('=', 1));
        }
        vars.insert("ASAN_OPTIONS", vars.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
        program.setProcessEnvironment(vars);
        const QStringList args{"drive", kind, folder};
        if (nobody)
            program.start("setpriv", QStringList{"--reuid=nobody", "--regid=nogroup",
                                                 "--clear-groups", shared.filePath("p")} +
                                         args);
        else
            program.start(QCoreApplication::applicationFilePath(), args);
        // Generous waits: they only tell a hang from a slow machine.
        QElapsedTimer clock;
        if (program.waitForReadyRead(60000)) clock.start();
        if (killMs >= 0 && !program.waitForFinished(killMs))
            ::kill(pid_t(program.processId()), SIGKILL);
        Run run;
        // A sanitizer's report in the program ends it with another code.
        run.ended = program.waitForFinished(60000) &&
                    program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0;
        run.ms = clock.elapsed();
        run.out = QString::fromLocal8Bit(program.readAllStandardOutput());
        run.seen = run.out.section("seen ", 1).section('\n', 0, 0).split(u'|');
        return run;
    }

private slots:
    void initTestCase()
    {
        server.start("python3", {UPDATE_SERVER, served.path()});
        while (!server.canReadLine())
            QVERIFY(server.waitForReadyRead(10000));
        updateServer = QString(server.readLine()).section(u' ', 0, 0);
        TestSupport::writeBytes(served.filePath("downloads/TintwellNew.txt"),
                                "<Version>99</Version><Download>" + updateServer.toUtf8() +
                                    "/r.zip</Download>");
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), shared.filePath("p")));
        QVERIFY(!chmod(qPrintable(shared.path()), 0755) &&
                !chmod(qPrintable(shared.filePath("p")), 0755));
    }

    void aSaveIsWholeOrNotAtAll_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("disk");
        for (const char* kind : {"palette", "add", "rename", "convert", "settings", "release"})
            for (const char* disk : {"killed", "full", "read-only"})
                QTest::addRow("%s, %s", kind, disk) << kind << disk;
    }
    // Killed at random moments of a save slowed to 10 ms a write, each file is wholly old or new
    // (the palette, written in place, record by record), s stays a link whose target keeps its
    // permissions, and a start shows just what the files hold. On a full disk, or with files
    // nobody may write, nothing changes and the failure is said.
    void aSaveIsWholeOrNotAtAll()
    {
        QFETCH(QString, kind);
        QFETCH(QString, disk);
        if (disk == "read-only" && geteuid() != 0) QSKIP("Runs as nobody, which needs root.");
        const bool oldForm = kind == "convert";
        QTemporaryDir before, after;
        lay(before.path(), oldForm);
        lay(after.path(), oldForm);
        const QList<QByteArray> old = held(before.path());
        const QStringList oldSeen = run("look", before.path()).seen;
        if (disk != "killed") {
            for (const QString& file : Files)
                QVERIFY(disk == "full" || !chmod(qPrintable(after.path() + file), 0444));
            const Run r = run(kind, after.path(), disk == "full" ? "TINTWELL_WRITE_ERROR=1" : "",
                              -1, disk != "full");
            QVERIFY2(r.ended &&
                         (r.out.contains(" could not be saved in ") ||
                          r.out.contains("said There has been an error...Update Not Saved.")),
                     qPrintable(r.out));
            QCOMPARE(held(after.path()), old);
            QStringList shown = oldSeen;
            if (kind == "settings") shown[34] = "1"; // On Top stays ticked for this session
            QCOMPARE(r.seen, shown);
            return;
        }
        const QString slow = "TINTWELL_WRITE_DELAY_US=10000";
        const Run done = run(kind, after.path(), slow);
        const QList<QByteArray> now = held(after.path());
        QVERIFY(done.ended && now != old);
        QCOMPARE(run("look", after.path()).seen, done.seen); // what it showed is what a start reads
        const int kills = qEnvironmentVariableIntValue("TINTWELL_KILLS");
        for (int k = 0; k < (kills > 0 ? kills : 20); ++k) {
            QTemporaryDir dir;
            lay(dir.path(), oldForm);
            const int at = QRandomGenerator::global()->bounded(int(done.ms) + 1);
            run(kind, dir.path(), slow, at);
            const QList<QByteArray> files = held(dir.path());
            QStringList expected;
            for (qsizetype i = 0; i < files.size(); ++i) {
                QVERIFY2(files[i] == old[i] || files[i] == now[i],
                         qPrintable(QString("part %1, killed at %2 ms").arg(i).arg(at)));
                if (i < oldSeen.size()) expected << (files[i] == old[i] ? oldSeen : done.seen)[i];
            }
            QVERIFY(QFileInfo(dir.filePath("s.col")).isSymLink() &&
                    QFileInfo(dir.path() + Files[2]).permissions() ==
                        QFileInfo(before.path() + Files[2]).permissions());
            QCOMPARE(run("look", dir.path()).seen, expected);
        }
    }

    void oddThingsAreLeftAloneAndNeverWaitedOn_data()
    {
        QTest::addColumn<QString>("thing");
        QTest::addColumn<QString>("file");
        for (const char* thing : {"folder", "named pipe", "1 GB", "unreadable"})
            for (const char* file : {"Pallette.pal", "s.col"})
                QTest::addRow("%s as %s", thing, file) << thing << file;
    }
    // The program starts, reads no more than a small file's worth and leaves them as they were; an
    // unreadable file is one nobody may read.
    void oddThingsAreLeftAloneAndNeverWaitedOn()
    {
        QFETCH(QString, thing);
        QFETCH(QString, file);
        if (thing == "unreadable" && geteuid() != 0) QSKIP("Runs as nobody, which needs root.");
        QTemporaryDir dir;
        lay(dir.path(), false);
        const QString path = dir.filePath(file);
        QFile::remove(path);
        QFile made(path);
        if (thing == "folder") QVERIFY(QDir().mkdir(path));
        if (thing == "named pipe") QCOMPARE(mkfifo(qPrintable(path), 0666), 0);
        if (thing == "1 GB") QVERIFY(made.open(QIODevice::WriteOnly) && made.resize(1 << 30));
        if (thing == "unreadable")
            QVERIFY(made.open(QIODevice::WriteOnly) && made.write("[A]\r\n1=1\r\n") &&
                    made.setPermissions({}));
        made.close();
        const auto state = [&] {
            const QFileInfo now(path);
            return std::tuple(now.isDir(), now.permissions(), now.size(), now.lastModified());
        };
        const auto before = state();
        const Run r = run("look", dir.path(), {}, -1, thing == "unreadable");
        QVERIFY2(r.ended, "it hung");
        QVERIFY(state() == before);
        QVERIFY2(r.out.section("peak ", 1).section('\n', 0, 0).toLong() < 512 * 1024,
                 qPrintable(r.out)); // KiB
    }
};

int main(int argc, char* argv[])
{
    const bool driving = argc == 4 && qstrcmp(argv[1], "drive") == 0;
    if (!driving) TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tintwell"));
    if (driving) return drive(argv[2], argv[3]);
    tst_robust test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_robust.moc"
