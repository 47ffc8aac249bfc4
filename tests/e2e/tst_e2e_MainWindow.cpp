#include "XSession.h"

#include <QGuiApplication>
#include <QSettings>
#include <QTest>

class tst_e2e_MainWindow : public QObject {
    Q_OBJECT

private slots:
    void appliedHexCodeReachesTheClipboardAndOnTopIsStored();
};

void tst_e2e_MainWindow::appliedHexCodeReachesTheClipboardAndOnTopIsStored()
{
    XSession session;
    QVERIFY2(session.start(QStringLiteral(TINTWELL_BINARY)), "the main window did not appear");

    // The hex entry (Frame3 at 60,2400; the box at 2640,255 inside it), typed in lower case.
    session.click(session.at(60 + 2640 + 300, 2400 + 255 + 140));
    session.type(QStringLiteral("123456"));
    // Six digits move the focus to Apply; Space presses it.
    session.key(QStringLiteral("space"));

    // The copy button of the HTML form (Frame1 at 60,0; the button at 2115,435).
    session.click(session.at(60 + 2115 + 200, 435 + 140));
    QCOMPARE(session.clipboard(), QStringLiteral("\"#563412\""));
    session.click(session.at(60 + 2115 + 200, 975 + 140));
    QCOMPARE(session.clipboard(), QStringLiteral("1193046"));

    // "On Top" in the bottom row is written the moment it is ticked.
    session.click(session.at(2160 + 100, 6480 + 120));
    QTRY_COMPARE(QSettings(session.settingsFile(QStringLiteral("tintwell")), QSettings::IniFormat)
                     .value(QStringLiteral("settings/ontop"))
                     .toString(),
                 QStringLiteral("1"));
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return 77; // needs a real X server
    QGuiApplication app(argc, argv);
    tst_e2e_MainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_e2e_MainWindow.moc"
