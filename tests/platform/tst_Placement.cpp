#include "ColourBox.h"
#include "ProgramFolder.h"
#include "StandIns.h"
#include "TestMain.h"
#include "Twips.h"
#include "frmColourPicker.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

const QString PlacementFile = QStringLiteral("tintwell");

QString settingsFile(const QString& app)
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tintwell/" + app + ".ini";
}

// What the placement section holds on disk, key by key, read by a fresh reader each time.
QMap<QString, QString> storedPlacement()
{
    QSettings settings(settingsFile(PlacementFile), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("FormSettings"));
    QMap<QString, QString> result;
    for (const QString& key : settings.childKeys())
        result[key] = settings.value(key).toString();
    return result;
}

void writePlacement(const QByteArray& lines)
{
    QFile file(settingsFile(PlacementFile));
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

QWidget* surface(const frmColourPicker& w, const QString& name)
{
    const QHash<QString, QWidget*> surfaces{{"client", w.centralWidget()},
                                            {"Frame1", w.Frame1},
                                            {"Frame2", w.Frame2},
                                            {"Frame3", w.Frame3},
                                            {"Frame4", w.Frame4},
                                            {"Frame5", w.Frame5},
                                            {"Frame6", w.Frame6},
                                            {"Frame7", w.Frame7},
                                            {"picShowColour", w.picShowColour},
                                            {"txtSampleText", w.txtSampleText},
                                            {"txtRGBred", w.txtRGBred}};
    return surfaces.value(name);
}

// A point of the widget that no child covers, so the press lands on the widget itself.
QPoint bareSpot(const QWidget* widget)
{
    if (widget->children().isEmpty() || qobject_cast<const QLineEdit*>(widget))
        return widget->rect().center();
    return {widget->width() - 3, widget->height() - 3};
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
        QFile::remove(settingsFile(PlacementFile));
        QFile::remove(settingsFile("Tintwell"));
        windows.calls.clear();
        windows.windowManagerPresent = true;
        desktop.opened.clear();
    }

    void closingSavesTheFrameAndTheNextStartOpensThere_data()
    {
        QTest::addColumn<bool>("byExit");
        QTest::newRow("window closed") << false;
        QTest::newRow("File > Exit") << true;
    }
    void closingSavesTheFrameAndTheNextStartOpensThere()
    {
        QFETCH(bool, byExit);
        QSize frame;
        {
            frmColourPicker w;
            w.show();
            w.move(300, 150);
            frame = w.frameGeometry().size();
            if (byExit)
                chooseMenuItem(w, w.mnufile, w.mnufileexit);
            else
                w.close();
            QVERIFY(!w.isVisible());
        }
        const QMap<QString, QString> expected{
            {"frmColourPicker Top", "2250"},
            {"frmColourPicker Left", "4500"},
            {"frmColourPicker width", QString::number(frame.width() * 15)},
            {"frmColourPicker height", QString::number(frame.height() * 15)},
            {"frmColourPicker WindowState", "0"},
        };
        QCOMPARE(storedPlacement(), expected);

        frmColourPicker next;
        next.show();
        QCOMPARE(next.frameGeometry().topLeft(), QPoint(300, 150));
        QCOMPARE(next.frameGeometry().size(), frame);
    }

    void minimisedCloseStoresOnlyTheStateAndReopensNormal()
    {
        writePlacement("frmColourPicker%20Top=2250\nfrmColourPicker%20Left=4500\n"
                       "frmColourPicker%20WindowState=0\n");
        {
            frmColourPicker w;
            w.show();
            QCOMPARE(w.frameGeometry().topLeft(), QPoint(300, 150));
            w.move(40, 60);
            w.showMinimized();
            QVERIFY(w.isMinimized());
            w.close();
        }
        const QMap<QString, QString> expected{
            {"frmColourPicker Top", "2250"},
            {"frmColourPicker Left", "4500"},
            {"frmColourPicker WindowState", "1"},
        };
        QCOMPARE(storedPlacement(), expected);

        frmColourPicker next;
        next.show();
        QVERIFY(!next.isMinimized());
        QCOMPARE(next.frameGeometry().topLeft(), QPoint(300, 150));
    }

    void pressOnTheClientAreaDragsTheWindow_data()
    {
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<bool>("drags");
        for (const char* name :
             {"client", "Frame1", "Frame3", "Frame4", "picShowColour", "txtSampleText"})
            QTest::newRow(name) << name << true;
        for (const char* name : {"Frame2", "Frame5", "Frame6", "Frame7", "txtRGBred"})
            QTest::newRow(name) << name << false;
    }
    void pressOnTheClientAreaDragsTheWindow()
    {
        QFETCH(QString, pressed);
        QFETCH(bool, drags);
        frmColourPicker w;
        w.show();
        if (pressed == u"Frame5") QTest::mouseClick(w.optFormat[1], Qt::LeftButton);
        if (pressed == u"Frame7") QTest::mouseClick(w.Option1, Qt::LeftButton);
        QWidget* target = surface(w, pressed);
        QVERIFY(target->isVisible());
        const QPoint spot = bareSpot(target);
        QVERIFY(!target->childAt(spot) || qobject_cast<QLineEdit*>(target));

        QTest::mousePress(target, Qt::LeftButton, {}, spot);
        QTest::mouseRelease(target, Qt::LeftButton, {}, spot);
        QCOMPARE(windows.calls, drags ? QStringList{"move:frmColourPicker"} : QStringList());
    }

    void withoutAWindowManagerTheWindowFollowsThePointer_data()
    {
        QTest::addColumn<bool>("windowManager");
        QTest::addColumn<QPoint>("endsAt");
        QTest::newRow("window manager moves it") << true << QPoint(100, 100);
        QTest::newRow("moved by hand") << false << QPoint(130, 120);
    }
    void withoutAWindowManagerTheWindowFollowsThePointer()
    {
        QFETCH(bool, windowManager);
        QFETCH(QPoint, endsAt);
        windows.windowManagerPresent = windowManager;
        frmColourPicker w;
        w.show();
        w.move(100, 100);
        const QPoint grip = w.picShowColour->rect().center();
        QTest::mousePress(w.picShowColour, Qt::LeftButton, {}, grip);
        QTest::mouseMove(w.picShowColour, grip + QPoint(30, 20));
        QTest::mouseRelease(w.picShowColour, Qt::LeftButton, {}, grip + QPoint(30, 20));
        QCOMPARE(w.frameGeometry().topLeft(), endsAt);

        // Released, it stays put: a drag begun on a frame that does not move the window reaches
        // the client area as unhandled moves, and must not carry the window along.
        QTest::mousePress(w.Frame6, Qt::LeftButton, {}, bareSpot(w.Frame6));
        QTest::mouseMove(w.Frame6, bareSpot(w.Frame6) + QPoint(-50, -50));
        QTest::mouseRelease(w.Frame6, Qt::LeftButton, {}, bareSpot(w.Frame6));
        QCOMPARE(w.frameGeometry().topLeft(), endsAt);
    }

    void helpContentsOpensTheShippedPage_data()
    {
        QTest::addColumn<bool>("shipped");
        QTest::newRow("page present") << true;
        QTest::newRow("page missing") << false;
    }
    void helpContentsOpensTheShippedPage()
    {
        QFETCH(bool, shipped);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString page = folder.filePath(QStringLiteral("Tintwell Help.html"));
        if (shipped) {
            QFile file(page);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<html><body>Help</body></html>");
        }
        ProgramFolder::setOverride(folder.path());
        frmColourPicker w;
        ProgramFolder::setOverride(programFolder.path());
        w.show();
        QCOMPARE(w.HelpFile, page);
        QSignalSpy chosen(w.mnuhelpcontents, &QAction::triggered);
        chooseMenuItem(w, w.mnuhelp, w.mnuhelpcontents);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(desktop.opened, shipped ? QList<QUrl>{QUrl::fromLocalFile(page)} : QList<QUrl>());
    }
};

TINTWELL_TEST_MAIN(tst_Placement)
#include "tst_Placement.moc"
