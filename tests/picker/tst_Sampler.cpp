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
using Pointer = std::optional<QPoint>;

namespace {

// Two 1280 x 800 monitors side by side. A pixel's red and green are its x and y (mod 256); its
// blue flips with x + y, so a smoothed enlargement shows colours the desktop does not have.
const auto desktopPixel = [](int x, int y) {
    return qRgb(x & 255, y & 255, 40 + 150 * ((x + y) & 1));
};
const QList<QRect> TwoMonitors{{0, 0, 1280, 800}, {1280, 0, 1280, 800}};
const QString Whites = QStringList(16, "16777215").join(u',');

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
const auto ini = [] {
    return std::make_unique<QSettings>(
        qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tintwell/tintwell.ini", QSettings::IniFormat);
};
const auto palletteFile = [] { return ProgramFolder::file(QStringLiteral("Pallette.pal")); };
QByteArray palletteBytes()
{
    QFile file(palletteFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
const auto rec = [](int index, int colour) {
    return QByteArray::number(index).leftJustified(4) +
           QByteArray::number(colour).leftJustified(10);
};

// Replaces the red field's text the way a user does.
void typeRed(frmColourPicker& w, const QString& red)
{
    QTest::keyClick(w.txtRGBred, Qt::Key_End);
    QTest::keyClick(w.txtRGBred, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClicks(w.txtRGBred, red);
}

// Red, green, blue, VB long, the HTML and C++ forms, hue, saturation, brightness, swatch.
QStringList fields(const frmColourPicker& w)
{
    return {w.txtRGBred->text(),      w.txtRGBgreen->text(),
            w.txtRGBblue->text(),     w.txtRGBforVB->text(),
            w.txtHexCodeHtml->text(), w.txtCPP->text(),
            w.txtHue->text(),         w.txtSat->text(),
            w.txtBright->text(),      QString::number(w.picShowColour->BackColor())};
}

const auto view = [](const frmColourPicker& w) {
    return w.picMagnify->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
};

} // namespace

class tst_Sampler : public QObject {
    Q_OBJECT

    RecordingWindowService windows;
    RecordingMessageBoxes messages;
    FakeScreen screen{desktop()};
    ScriptedColourDialog dialog;
    std::unique_ptr<QTemporaryDir> folder;

    void tick(frmColourPicker& w) { QVERIFY(QMetaObject::invokeMethod(w.Timer1, "timeout")); }

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
        screen.monitorAreas = TwoMonitors;
        screen.pointer.reset();
        screen.refuseGrabs = false;
        dialog.openings.clear();
        dialog.edits.clear();
        dialog.answer.reset();
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
        frmColourPicker w;
        w.show();
        QTest::mouseClick(w.optFormat[format], Qt::LeftButton);
        const QImage dropper = w.Picture1->pixmap().toImage();
        QTest::mousePress(w.Picture1, Qt::LeftButton);
        QVERIFY(w.Picture1->pixmap().isNull());
        for (const QPoint at : {QPoint(10, 20), QPoint(1300, 799)}) {
            screen.pointer = at;
            QTest::mouseMove(w.Picture1, {5, 5});
            const QRgb rgb = desktopPixel(at.x(), at.y());
            QCOMPARE(w.picShowColour->BackColor(), qRed(rgb) | qGreen(rgb) << 8 | qBlue(rgb) << 16);
            QCOMPARE(w.txtRGBforVB->text(), QStringLiteral("0"));
        }
        screen.pointer = QPoint(2000, 700);
        QTest::mouseRelease(w.Picture1, Qt::LeftButton);
        QVERIFY(!dropper.isNull());
        QCOMPARE(w.Picture1->pixmap().toImage(), dropper);
        QCOMPARE(fields(w), QStringList({"153", "102", "51", "3368601", "\"#996633\"", "0x00336699",
                                         "30", "67", "60", "3368601"}));
        QCOMPARE(palletteBytes(), QByteArray("1   3368601   "));
    }

    // Neither the dropper nor the magnifier shows anything it could not read.
    void unreadableScreenChangesNothing_data()
    {
        QTest::addColumn<Pointer>("pointer");
        QTest::addColumn<bool>("refuse");
        QTest::newRow("off every monitor") << Pointer(QPoint(2000, 700)) << false;
        QTest::newRow("grab refused") << Pointer(QPoint(10, 20)) << true;
        QTest::newRow("no pointer") << Pointer() << false;
    }
    void unreadableScreenChangesNothing()
    {
        frmColourPicker w;
        w.show();
        QTest::mouseClick(w.Check2, Qt::LeftButton);
        screen.pointer = QPoint(100, 100);
        tick(w);
        typeRed(w, "200");
        const QStringList before = fields(w);
        const QImage frame = view(w);
        QVERIFY(before.last() == "200" && !frame.isNull());
        screen.monitorAreas = {TwoMonitors.first()};
        QFETCH(Pointer, pointer);
        screen.pointer = pointer;
        QFETCH(bool, refuse);
        screen.refuseGrabs = refuse;
        tick(w);
        QCOMPARE(view(w), frame);
        QTest::mousePress(w.Picture1, Qt::LeftButton);
        QTest::mouseMove(w.Picture1, {5, 5});
        QCOMPARE(fields(w), before);
        QTest::mouseRelease(w.Picture1, Qt::LeftButton);
        QCOMPARE(fields(w), before);
        QVERIFY(!w.Picture1->pixmap().isNull());
        QVERIFY(!QFile::exists(palletteFile()));
        QTest::mouseClick(w.Check2, Qt::LeftButton);
        QVERIFY(!w.Timer1->isActive() && w.picMagnify->pixmap().isNull());
    }

    // The desktop enlarged without smoothing, around the pointer and within its monitor, with a
    // cross-hair of 300-twip arms on the pointer's pixel (box pixels; the box is 95 x 63).
    void magnifierFrame_data()
    {
        QTest::addColumn<QString>("m");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QSize>("source");
        QTest::addColumn<QPoint>("crossHair");
        QTest::newRow("1:1 middle") << "0" << QPoint(641, 401) << QSize(95, 63) << QPoint(47, 31);
        QTest::newRow("2:1 middle") << "50" << QPoint(640, 400) << QSize(48, 32) << QPoint(47, 31);
        QTest::newRow("1:1 top-left") << "0" << QPoint(1, 1) << QSize(95, 63) << QPoint(1, 1);
        QTest::newRow("2:1 bottom-right")
            << "50" << QPoint(1279, 799) << QSize(48, 32) << QPoint(93, 61);
        QTest::newRow("1:1 second monitor")
            << "0" << QPoint(1281, 1) << QSize(95, 63) << QPoint(1, 1);
    }
    void magnifierFrame()
    {
        QFETCH(QPoint, pointer);
        QFETCH(QSize, source);
        QFETCH(QPoint, crossHair);
        QFETCH(QString, m);
        ini()->setValue("settings/Magnification", m);
        frmColourPicker w;
        w.show();
        QTest::mouseClick(w.Check2, Qt::LeftButton);
        QVERIFY(w.Timer1->isActive());
        screen.pointer = pointer;
        tick(w);
        const QImage box = view(w);
        QCOMPARE(box.size(), QSize(95, 63));
        const QRgb ink = QApplication::palette().color(QPalette::ButtonText).rgb();
        const int cx = crossHair.x(), cy = crossHair.y();
        for (int k = -22; k <= 22; ++k) {
            if (box.valid(cx, cy + k)) QCOMPARE(box.pixel(cx, cy + k) == ink, std::abs(k) <= 20);
            if (box.valid(cx + k, cy)) QCOMPARE(box.pixel(cx + k, cy) == ink, std::abs(k) <= 20);
        }
        // The screen column and row each box column and row shows, read away from the cross-hair.
        const auto unwrap = [](int low, int near) { return near + qint8(low - near); };
        QList<int> xs, ys;
        for (int i = 0; i < 95; ++i)
            xs << unwrap(qRed(box.pixel(i, cy < 31 ? 62 : 0)), pointer.x());
        for (int j = 0; j < 63; ++j)
            ys << unwrap(qGreen(box.pixel(cx < 47 ? 94 : 0, j)), pointer.y());
        const QRect monitor = TwoMonitors[pointer.x() / 1280];
        QVERIFY(
            monitor.contains(QRect(QPoint(xs.front(), ys.front()), QPoint(xs.back(), ys.back()))));
        QCOMPARE(QSize(xs.back() - xs.front() + 1, ys.back() - ys.front() + 1), source);
        QVERIFY(std::abs(xs[cx] - pointer.x()) <= 1 && std::abs(ys[cy] - pointer.y()) <= 1);
        for (const QList<int>& line : {xs, ys})
            for (int i = 1; i < line.size(); ++i)
                QVERIFY(line[i] - line[i - 1] <= 1);
        for (int j = 0; j < 63; ++j)
            for (int i = 0; i < 95; ++i)
                if (box.pixel(i, j) != ink) QCOMPARE(box.pixel(i, j), desktopPixel(xs[i], ys[j]));
    }

    void spinnerStepsTheMagnification_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("settingAfter");
        const QList<std::tuple<const char*, const char*, bool, const char*, const char*>> rows{
            {"", "0", true, "1", "1"},
            {"42", "42", false, "41", "41"},
            {"150", "99", true, "99", "150"},
            {"150", "99", false, "98", "98"},
            {"abc", "0", false, "0", "abc"}};
        for (const auto& [setting, start, up, after, settingAfter] : rows)
            QTest::addRow("'%s' %s", setting, up ? "up" : "down")
                << QString(setting) << QString(start) << up << QString(after)
                << QString(settingAfter);
    }
    void spinnerStepsTheMagnification()
    {
        QFETCH(QString, setting);
        QFETCH(bool, up);
        if (!setting.isEmpty()) ini()->setValue("settings/Magnification", setting);
        frmColourPicker w;
        w.show();
        QTEST(w.Text1->text(), "start");
        QTest::mouseClick(w.ctxUpDown1, Qt::LeftButton, {},
                          {w.ctxUpDown1->width() / 2, w.ctxUpDown1->height() * (up ? 1 : 3) / 4});
        QTEST(w.Text1->text(), "after");
        QTEST(ini()->value("settings/Magnification").toString(), "settingAfter");
    }

    // The custom colours handed to the dialog are stored after it with the user's edits, whatever
    // the answer (-1: cancel); a chosen colour becomes current, HSB fields included, and goes into
    // the first free swatch.
    void colourDialog_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("handed");
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("palette");
        QTest::addColumn<QByteArray>("paletteAfter");
        const QString ones = "1" + QString(",1").repeated(15);
        QByteArray full;
        for (int i = 1; i <= 34; ++i)
            full += rec(i, i);
        QTest::newRow("first use") << "" << Whites << Edits() << -1 << rec(1, 5) << rec(1, 5);
        QTest::newRow("one defined") << "" << Whites << Edits{{3, 255}} << -1 << full << full;
        QTest::newRow("16 kept") << ones << ones << Edits{{15, 0}} << -1 << full << full;
        QTest::newRow("too few") << "255,0"
                                 << "255,0," + Whites.sliced(18) << Edits() << -1 << QByteArray()
                                 << QByteArray();
        QTest::newRow("not a number") << "255,abc,7"
                                      << "255,16777215,7," + Whites.sliced(27) << Edits() << -1
                                      << QByteArray() << QByteArray();
        QTest::newRow("blue") << "" << Whites << Edits() << 16711680 << rec(1, 5) + rec(2, -1)
                              << rec(1, 5) + rec(2, 16711680);
        QTest::newRow("blue, full palette") << "" << Whites << Edits() << 16711680 << full << full;
    }
    void colourDialog()
    {
        QFETCH(QString, setting);
        QFETCH(Edits, edits);
        QFETCH(int, answer);
        QFETCH(QByteArray, palette);
        if (!setting.isEmpty()) ini()->setValue("cDialog/RegColors", setting);
        if (!palette.isEmpty()) {
            QFile file(palletteFile());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(palette) == palette.size());
        }
        dialog.edits = edits;
        if (answer != -1) dialog.answer = answer;
        frmColourPicker w;
        w.show();
        typeRed(w, "200");
        const QStringList before = fields(w);
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QCOMPARE(dialog.openings.size(), 1);
        QCOMPARE(dialog.openings[0].initialColour, 200);
        QVERIFY(dialog.openings[0].fullOpen);
        QStringList handed;
        for (int colour : dialog.openings[0].custom)
            handed << QString::number(colour);
        QTEST(handed.join(u','), "handed");
        for (auto it = edits.cbegin(); it != edits.cend(); ++it)
            handed[it.key()] = QString::number(*it);
        QCOMPARE(ini()->value("cDialog/RegColors").toString(), handed.join(u','));
        QTEST(palletteBytes(), "paletteAfter");
        QCOMPARE(w.Timer2->isActive(), answer != -1 && palette.size() == 34 * 14);
        QCOMPARE(fields(w), answer == -1
                                ? before
                                : QStringList({"0", "0", "255", "16711680", "\"#0000FF\"",
                                               "0x00FF0000", "240", "100", "100", "16711680"}));
    }
};

TINTWELL_TEST_MAIN(tst_Sampler)
#include "tst_Sampler.moc"
