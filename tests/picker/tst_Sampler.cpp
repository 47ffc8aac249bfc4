#include "ColourBox.h"
#include "FakeScreen.h"
#include "ProgramFolder.h"
#include "ScriptedColourDialog.h"
#include "StandIns.h"
#include "TestMain.h"
#include "ctxUpDown.h"
#include "frmColourPicker.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

using Edits = QMap<int, int>;

namespace {

// Two 1280 x 800 monitors side by side. A pixel's red and green are its x and y (mod 256); its
// blue flips with x + y, so a smoothed enlargement shows colours the desktop does not have, and
// is 20 higher on the second monitor.
QRgb desktopPixel(int x, int y)
{
    return qRgb(x & 255, y & 255, 40 + 150 * ((x + y) & 1) + 20 * (x >= 1280));
}
const QList<QRect> TwoMonitors{{0, 0, 1280, 800}, {1280, 0, 1280, 800}};

QImage desktop()
{
    QImage image(2560, 800, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, desktopPixel(x, y));
    image.setPixel(2000, 700, qRgb(153, 102, 51));
    return image;
}

// The settings file, read afresh and written at once.
std::unique_ptr<QSettings> ini()
{
    return std::make_unique<QSettings>(
        qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tintwell/tintwell.ini", QSettings::IniFormat);
}

QByteArray rec(int index, int colour)
{
    return QByteArray::number(index).leftJustified(4) +
           QByteArray::number(colour).leftJustified(10);
}

// Red, green, blue, VB long, hue, saturation, brightness, swatch.
QStringList fields(const frmColourPicker& w)
{
    return {w.txtRGBred->text(),  w.txtRGBgreen->text(),
            w.txtRGBblue->text(), w.txtRGBforVB->text(),
            w.txtHue->text(),     w.txtSat->text(),
            w.txtBright->text(),  QString::number(w.picShowColour->BackColor())};
}

QImage view(const frmColourPicker& w)
{
    return w.picMagnify->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class tst_Sampler : public QObject {
    Q_OBJECT

    RecordingWindowService windows;
    RecordingMessageBoxes messages;
    FakeScreen screen{desktop()};
    std::unique_ptr<ScriptedColourDialog> dialog;
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<frmColourPicker> window;
    QString pal; // the palette file

    // A shown window; with the magnifier ticked, it has shown the pointer's surroundings.
    frmColourPicker& start(bool magnify = false)
    {
        window = std::make_unique<frmColourPicker>();
        window->show();
        if (magnify) QTest::mouseClick(window->Check2, Qt::LeftButton);
        if (magnify) tick();
        return *window;
    }
    void tick() { QVERIFY(QMetaObject::invokeMethod(window->Timer1, "timeout")); }
    QByteArray palette() const
    {
        QFile file(pal);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        // A button-text colour of its own, told apart from the other text colours.
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::ButtonText, QColor(1, 2, 3));
        QApplication::setPalette(palette);
    }
    void init()
    {
        QDir(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tintwell").removeRecursively();
        folder = std::make_unique<QTemporaryDir>();
        ProgramFolder::setOverride(folder->path());
        pal = ProgramFolder::file(QStringLiteral("Pallette.pal"));
        screen.monitorAreas = TwoMonitors;
        screen.pointer.reset();
        screen.refuseGrabs = false;
        dialog = std::make_unique<ScriptedColourDialog>();
    }
    void cleanup()
    {
        window.reset();
        dialog.reset();
    }
    void cleanupTestCase() { ProgramFolder::setOverride({}); }

    void dropperPicksThePixelUnderThePointer_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("RGB frame") << 0;
        QTest::newRow("HSB frame") << 1; // an HSB round trip would give blue 50
    }
    void dropperPicksThePixelUnderThePointer()
    {
        QFETCH(int, format);
        frmColourPicker& w = start();
        QTest::mouseClick(w.optFormat[format], Qt::LeftButton);
        const QImage dropper = w.Picture1->pixmap().toImage();
        QVERIFY(!dropper.isNull());
        QTest::mousePress(w.Picture1, Qt::LeftButton);
        QVERIFY(w.Picture1->pixmap().isNull());
        // The swatch follows the pointer, here over red 20, green 31, blue 210; the fields wait.
        screen.pointer = QPoint(1300, 799);
        QTest::mouseMove(w.Picture1, {5, 5});
        QCOMPARE(w.picShowColour->BackColor(), 13770516);
        QCOMPARE(w.txtRGBforVB->text(), QStringLiteral("0"));
        screen.pointer = QPoint(2000, 700);
        QTest::mouseRelease(w.Picture1, Qt::LeftButton);
        QCOMPARE(w.Picture1->pixmap().toImage(), dropper);
        QCOMPARE(fields(w),
                 QStringList({"153", "102", "51", "3368601", "30", "67", "60", "3368601"}));
        QCOMPARE(palette(), QByteArray("1   3368601   "));
    }

    // Neither the dropper nor the magnifier shows anything it could not read.
    void unreadableScreenChangesNothing_data()
    {
        QTest::addColumn<QVariant>("pointer"); // a QPoint, or nothing
        QTest::addColumn<bool>("refuse");
        QTest::newRow("off every monitor") << QVariant(QPoint(2000, 700)) << false;
        QTest::newRow("grab refused") << QVariant(QPoint(10, 20)) << true;
        QTest::newRow("no pointer") << QVariant() << false;
    }
    void unreadableScreenChangesNothing()
    {
        QFETCH(QVariant, pointer);
        QFETCH(bool, refuse);
        screen.pointer = QPoint(100, 100);
        frmColourPicker& w = start(true);
        w.txtRGBred->setText("200");
        const QStringList before = fields(w);
        const QImage frame = view(w);
        QVERIFY(w.Timer1->isActive() && before.last() == "200" && !frame.isNull());
        screen.monitorAreas = {TwoMonitors.first()};
        screen.pointer = pointer.isValid() ? std::optional(pointer.toPoint()) : std::nullopt;
        screen.refuseGrabs = refuse;
        tick();
        QCOMPARE(view(w), frame);
        QTest::mousePress(w.Picture1, Qt::LeftButton);
        QTest::mouseMove(w.Picture1, {5, 5});
        QTest::mouseRelease(w.Picture1, Qt::LeftButton);
        QCOMPARE(fields(w), before);
        QVERIFY(!w.Picture1->pixmap().isNull() && !QFile::exists(pal));
        QTest::mouseClick(w.Check2, Qt::LeftButton);
        QVERIFY(!w.Timer1->isActive() && w.picMagnify->pixmap().isNull());
    }

    // The desktop around the pointer and within its monitor, enlarged without smoothing (2:1 at
    // m=50), with a cross-hair of 300-twip arms (20 box pixels) on the pointer's pixel.
    void magnifierFrame_data()
    {
        QTest::addColumn<QString>("m");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QPoint>("source"); // the screen pixel at the box's top-left
        QTest::addColumn<QPoint>("crossHair");
        QTest::newRow("1:1 middle")
            << "0" << QPoint(641, 401) << QPoint(594, 370) << QPoint(47, 31);
        QTest::newRow("2:1 middle")
            << "50" << QPoint(640, 400) << QPoint(616, 384) << QPoint(47, 31);
        QTest::newRow("1:1 top-left") << "0" << QPoint(1, 1) << QPoint(0, 0) << QPoint(1, 1);
        QTest::newRow("1:1 second monitor's top-left")
            << "0" << QPoint(1281, 1) << QPoint(1280, 0) << QPoint(1, 1);
    }
    void magnifierFrame()
    {
        QFETCH(QString, m);
        QFETCH(QPoint, pointer);
        QFETCH(QPoint, source);
        QFETCH(QPoint, crossHair);
        ini()->setValue("settings/Magnification", m);
        screen.pointer = pointer;
        const QImage box = view(start(true));
        QCOMPARE(box.size(), QSize(95, 63));
        const QRgb ink = qRgb(1, 2, 3);
        const int cx = crossHair.x(), cy = crossHair.y(), zoom = m == "50" ? 2 : 1;
        for (int k = -22; k <= 22; ++k) {
            if (box.valid(cx, cy + k)) QCOMPARE(box.pixel(cx, cy + k) == ink, std::abs(k) <= 20);
            if (box.valid(cx + k, cy)) QCOMPARE(box.pixel(cx + k, cy) == ink, std::abs(k) <= 20);
        }
        // Box pixel (i, j) shows screen pixel source + (i, j) / zoom, give or take one box pixel.
        for (int j = 0; j < 63; ++j)
            for (int i = 0; i < 95; ++i) {
                const QRgb shown = box.pixel(i, j);
                if (shown == ink) continue;
                const int x = quint8(qRed(shown) - source.x()),
                          y = quint8(qGreen(shown) - source.y());
                QVERIFY(std::abs(x * zoom - i) < zoom && std::abs(y * zoom - j) < zoom);
                QCOMPARE(shown, desktopPixel(source.x() + x, source.y() + y));
            }
    }

    void spinnerStepsTheMagnification_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("seen"); // the box's start, the box after, the setting after
        QTest::newRow("none, up") << QString() << true << QString("0 1 1");
        QTest::newRow("150, up") << QString("150") << true << QString("99 99 150");
        QTest::newRow("150, down") << QString("150") << false << QString("99 98 98");
        QTest::newRow("abc, down") << QString("abc") << false << QString("0 0 abc");
    }
    void spinnerStepsTheMagnification()
    {
        QFETCH(QString, setting);
        QFETCH(bool, up);
        if (!setting.isNull()) ini()->setValue("settings/Magnification", setting);
        frmColourPicker& w = start();
        const QString before = w.Text1->text() + u' ';
        QTest::mouseClick(w.ctxUpDown1, Qt::LeftButton, {},
                          {w.ctxUpDown1->width() / 2, w.ctxUpDown1->height() * (up ? 1 : 3) / 4});
        QTEST(before + w.Text1->text() + u' ' + ini()->value("settings/Magnification").toString(),
              "seen");
    }

    // The custom colours handed to the dialog are stored after it with the user's edits, whatever
    // the answer; a chosen colour becomes current, HSB fields included, and goes into the first
    // free swatch or, with none, starts the warning.
    void colourDialog_data()
    {
        const QString whites = QStringList(16, "16777215").join(u',');
        QTest::addColumn<QString>("setting");
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<int>("answer"); // -1: cancel
        QTest::addColumn<bool>("fullPalette");
        QTest::addColumn<QString>("stored");
        QTest::newRow("first use, custom colour, cancel")
            << QString() << Edits{{3, 255}} << -1 << false << QString(whites).replace(27, 8, "255");
        QTest::newRow("not a number") << QString("255,abc,7") << Edits() << -1 << false
                                      << "255,16777215,7," + whites.sliced(27);
        QTest::newRow("blue") << QString() << Edits() << 16711680 << false << whites;
        QTest::newRow("blue, full palette") << QString() << Edits() << 16711680 << true << whites;
    }
    void colourDialog()
    {
        QFETCH(QString, setting);
        QFETCH(Edits, edits);
        QFETCH(int, answer);
        QFETCH(bool, fullPalette);
        if (!setting.isNull()) ini()->setValue("cDialog/RegColors", setting);
        QByteArray records = rec(1, 5) + rec(2, -1);
        for (int i = 2; fullPalette && i <= 34; ++i)
            records.replace((i - 1) * 14, 14, rec(i, i));
        QFile file(pal);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(records) == records.size());
        file.close();
        dialog->edits = edits;
        if (answer != -1) dialog->answer = answer;
        frmColourPicker& w = start();
        w.txtRGBred->setText("200");
        const QStringList before = fields(w);
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QCOMPARE(dialog->openings.size(), 1);
        QVERIFY(dialog->openings[0].initialColour == 200 && dialog->openings[0].fullOpen);
        QTEST(ini()->value("cDialog/RegColors").toString(), "stored");
        QCOMPARE(palette(), answer == -1 || fullPalette ? records : rec(1, 5) + rec(2, answer));
        QCOMPARE(w.Timer2->isActive(), answer != -1 && fullPalette);
        QCOMPARE(fields(w), answer == -1 ? before
                                         : QStringList({"0", "0", "255", "16711680", "240", "100",
                                                        "100", "16711680"}));
    }
};

TINTWELL_TEST_MAIN(tst_Sampler)
#include "tst_Sampler.moc"
