#include "ColourBox.h"
#include "ProgramFolder.h"
#include "StandIns.h"
#include "TestMain.h"
#include "Twips.h"
#include "frmColourPicker.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

QString settingsFile(const QString& app)
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tintwell/" + app + ".ini";
}

// The placement keys on disk and their values, read by a fresh reader each time.
QString storedPlacement()
{
    QSettings settings(settingsFile("tintwell"), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("FormSettings"));
    QStringList stored;
    for (const QString& key : settings.childKeys())
        stored << key + u'=' + settings.value(key).toString();
    return stored.join(u", ").replace(QStringLiteral("frmColourPicker "), QString());
}

void writePlacement(const QByteArray& lines)
{
    QFile file(settingsFile("tintwell"));
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[FormSettings]\n" + lines);
}

void chooseMenuItem(frmColourPicker& w, QMenu* menu, QAction* item)
{
    QMenuBar* bar = w.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    QTRY_VERIFY(menu->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
}

// Presses at a point, moves 30 right and 20 down, and releases there.
void drag(QWidget* widget, QPoint from)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    QTest::mouseMove(widget, from + QPoint(30, 20));
    QTest::mouseRelease(widget, Qt::LeftButton, {}, from + QPoint(30, 20));
}

} // namespace

class tst_Placement : public QObject {
    Q_OBJECT

    RecordingWindowService windows;
    RecordingDesktop desktop;
    // The palette and help files live beside the program; keep them out of the build folder.
    QTemporaryDir programFolder;

private slots:
    void initTestCase()
    {
        ProgramFolder::setOverride(programFolder.path());
        // The twips below are whole pixels at the offscreen screen's 96 DPI.
        QCOMPARE(Twips::perPixelX(), 15.0);
        QCOMPARE(Twips::perPixelY(), 15.0);
    }

    void init()
    {
        QFile::remove(settingsFile("tintwell"));
        windows.calls.clear();
        windows.windowManagerPresent = true;
        desktop.opened.clear();
    }

    // Each row opens at the stored 300, 150 and is moved to 40, 60 before it goes.
    void closingSavesThePlacementForTheNextStart_data()
    {
        QTest::addColumn<int>("how"); // closed, File > Exit, or minimised and then closed
        QTest::addColumn<QPoint>("reopensAt");
        QTest::newRow("window closed") << 0 << QPoint(40, 60);
        QTest::newRow("File > Exit") << 1 << QPoint(40, 60);
        QTest::newRow("closed minimised") << 2 << QPoint(300, 150);
    }
    void closingSavesThePlacementForTheNextStart()
    {
        QFETCH(int, how);
        QFETCH(QPoint, reopensAt);
        writePlacement("frmColourPicker%20Top=2250\nfrmColourPicker%20Left=4500\n"
                       "frmColourPicker%20WindowState=0\n");
        QSize frame;
        {
            frmColourPicker w;
            w.show();
            QCOMPARE(w.frameGeometry().topLeft(), QPoint(300, 150));
            w.move(40, 60);
            frame = w.frameGeometry().size();
            if (how == 2) w.showMinimized();
            QCOMPARE(w.isMinimized(), how == 2);
            if (how == 1)
                chooseMenuItem(w, w.mnufile, w.mnufileexit);
            else
                w.close();
            QVERIFY(!w.isVisible());
        }
        // A minimised window stores only its state; File > Exit and closing store the same keys.
        QCOMPARE(storedPlacement(),
                 how == 2 ? QStringLiteral("Left=4500, Top=2250, WindowState=1")
                          : QStringLiteral("Left=600, Top=900, WindowState=0, height=%1, width=%2")
                                .arg(frame.height() * 15)
                                .arg(frame.width() * 15));

        frmColourPicker next;
        next.show();
        QVERIFY(!next.isMinimized());
        QCOMPARE(next.frameGeometry(), QRect(reopensAt, frame));
    }

    void pressOnTheClientAreaDragsTheWindow_data()
    {
        QTest::addColumn<int>("pressed");
        QTest::addColumn<bool>("windowManager");
        QTest::addColumn<QPoint>("movedBy");
        const char* names[] = {"client",        "Frame4",       "picShowColour",
                               "txtSampleText", "Frame2 stays", "txtRGBred stays"};
        for (int i = 0; i < 6; ++i)
            QTest::newRow(names[i]) << i << true << QPoint();
        // Without a window manager the window follows the pointer by hand.
        QTest::newRow("picShowColour, moved by hand") << 2 << false << QPoint(30, 20);
    }
    void pressOnTheClientAreaDragsTheWindow()
    {
        QFETCH(int, pressed);
        QFETCH(bool, windowManager);
        QFETCH(QPoint, movedBy);
        windows.windowManagerPresent = windowManager;
        frmColourPicker w;
        w.show();
        w.move(100, 100);
        QWidget* target = QList<QWidget*>{w.centralWidget(), w.Frame4, w.picShowColour,
                                          w.txtSampleText,   w.Frame2, w.txtRGBred}[pressed];
        // Near the far corner, where no child covers the widget.
        const auto corner = [](const QWidget* widget) {
            return QPoint(widget->width() - 3, widget->height() - 3);
        };
        QVERIFY(!target->childAt(corner(target)));
        drag(target, corner(target));
        QCOMPARE(windows.calls, pressed < 4 ? QStringList{"move:frmColourPicker"} : QStringList());
        QCOMPARE(w.frameGeometry().topLeft(), QPoint(100, 100) + movedBy);

        // Released, it stays put: a drag begun on a frame that does not move the window reaches
        // the client area as unhandled moves, and must not carry the window along.
        drag(w.Frame2, corner(w.Frame2));
        QCOMPARE(w.frameGeometry().topLeft(), QPoint(100, 100) + movedBy);
    }

    void helpContentsOpensTheShippedPageIfThereIsOne()
    {
        const QString page = programFolder.filePath(QStringLiteral("Tintwell Help.html"));
        for (const bool shipped : {false, true}) {
            QFile file(page);
            if (shipped)
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write("<html></html>") > 0);
            file.close();
            frmColourPicker w;
            w.show();
            QCOMPARE(w.HelpFile, page);
            QSignalSpy chosen(w.mnuhelpcontents, &QAction::triggered);
            chooseMenuItem(w, w.mnuhelp, w.mnuhelpcontents);
            QCOMPARE(chosen.count(), 1);
            QCOMPARE(desktop.opened,
                     shipped ? QList<QUrl>{QUrl::fromLocalFile(page)} : QList<QUrl>());
        }
    }
};

TINTWELL_TEST_MAIN(tst_Placement)
#include "tst_Placement.moc"
