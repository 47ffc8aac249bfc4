#include "ColourBox.h"
#include "PalletteFile.h"
#include "ProgramFolder.h"
#include "StandIns.h"
#include "TestMain.h"
#include "ctxUpDown.h"
#include "frmColourPicker.h"

#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// A record as a hand-made file holds it: index padded to 4, colour padded to 10.
QByteArray rec(int index, const QByteArray& colour)
{
    return QByteArray::number(index).leftJustified(4) + colour.leftJustified(10);
}

// Swatch -> "colour|tag" of the swatches that are not empty.
using Swatches = QMap<int, QString>;
Swatches swatches(const frmColourPicker& w)
{
    Swatches used;
    for (int i = 1; i <= 34; ++i)
        if (w.PalletteColour[i]->BackColor() != ButtonFace || !w.PalletteColour[i]->Tag.isEmpty())
            used[i] =
                QString::number(w.PalletteColour[i]->BackColor()) + u'|' + w.PalletteColour[i]->Tag;
    return used;
}

// Right-clicks a swatch and picks an entry of the pop-up menu it opens.
void chooseFromMenu(frmColourPicker& w, int swatch, QAction* action)
{
    QTest::mouseClick(w.PalletteColour[swatch], Qt::RightButton);
    QTest::mouseClick(w.mnuhidden, Qt::LeftButton, {},
                      w.mnuhidden->actionGeometry(action).center());
}

// Every field and text form a swatch click writes, the three HSB fields last.
QStringList texts(const frmColourPicker& w)
{
    QStringList all;
    for (const QLineEdit* box :
         {w.txtRGBred, w.txtRGBgreen, w.txtRGBblue, w.txtRGBforVB, w.txtHexCodeHtml, w.txtHexforVB,
          w.txtRGBvalue, w.txtCPP, w.txtJava, w.txtDelphi, w.txtPhotoshop, w.txtHue, w.txtSat,
          w.txtBright})
        all << box->text();
    return all;
}

} // namespace

class tst_Pallette : public QObject {
    Q_OBJECT

    RecordingMessageBoxes messages;
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<frmColourPicker> window;
    QString pal; // the palette file

    // A shown window started on the given file, or on whatever is there.
    frmColourPicker& start(const QByteArray& file = {})
    {
        if (!file.isNull()) writeFile(pal, file);
        window.reset();
        window = std::make_unique<frmColourPicker>();
        window->show();
        return *window;
    }

private slots:
    void init()
    {
        // The chosen format is remembered; every test starts on RGB.
        QDir(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tintwell").removeRecursively();
        folder = std::make_unique<QTemporaryDir>();
        ProgramFolder::setOverride(folder->path());
        pal = ProgramFolder::file(QStringLiteral("Pallette.pal"));
        messages.shown.clear();
    }
    void cleanup() { window.reset(); }
    void cleanupTestCase() { ProgramFolder::setOverride({}); }

    void spinnerStepsItsFieldWithinTheLimit_data()
    {
        QTest::addColumn<bool>("hue"); // down on the hue, else up on the red
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("after");
        QTest::newRow("red up") << false << QString("0") << QString("1");
        QTest::newRow("red up at 255") << false << QString("255") << QString("255");
        QTest::newRow("hue down at 0") << true << QString("0") << QString("0");
    }
    void spinnerStepsItsFieldWithinTheLimit()
    {
        QFETCH(bool, hue);
        frmColourPicker& w = start();
        if (hue) QTest::mouseClick(w.optFormat[1], Qt::LeftButton);
        ctxUpDown* const control = hue ? w.ctxUpDown5 : w.ctxUpDown2;
        QLineEdit* const field = hue ? w.txtHue : w.txtRGBred;
        QFETCH(QString, start);
        field->setText(start);
        QTest::mouseClick(control, Qt::LeftButton, {},
                          QPoint(control->width() / 2, control->height() * (hue ? 3 : 1) / 4));
        QTEST(field->text(), "after");
        if (!hue) QTEST(w.txtRGBforVB->text(), "after");
    }

    void savedColoursFillFreeSwatchesAndSurviveARestart()
    {
        frmColourPicker& w = start();
        QTest::mouseClick(w.cmdRGBtoPallette, Qt::LeftButton);
        QCOMPARE(bytesOf(pal), QByteArray("1   0         "));
        QTest::mouseClick(w.optFormat[1], Qt::LeftButton);
        QTest::mouseClick(w.cmdHSBtoPallette, Qt::LeftButton);
        QCOMPARE(bytesOf(pal).size(), 28);
        w.txtEnterHex->setText("0000ff");
        QTest::mouseClick(w.cmdApply, Qt::LeftButton);
        QCOMPARE(bytesOf(pal), QByteArray("1   0         2   0         3   255       "));
        QCOMPARE(swatches(w), Swatches({{1, "0|0"}, {2, "0|0"}, {3, "255|255"}}));
        // Loaded tags are padded to 10 characters.
        QCOMPARE(swatches(start()),
                 Swatches({{1, "0|0         "}, {2, "0|0         "}, {3, "255|255       "}}));
    }

    // A file shorter than a record is deleted; any other is only read, for its valid records.
    void startUpLoadsValidRecordsOnly_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Swatches>("loaded");
        QTest::newRow("zero length") << QByteArray("") << Swatches();
        QTest::newRow("13 bytes") << QByteArray("1   255      ") << Swatches();
        QTest::newRow("only empty records") << rec(1, "-1") + rec(2, "-1") << Swatches();
        QTest::newRow("garbage among records")
            << rec(1, "255") + rec(2, "12ab") + rec(0, "100") + rec(99, "100") + rec(5, "-1") +
                   QByteArray("\0\xff\x01junk\r\n\0\0\x7f\x80!", 14) + rec(6, "1e3") +
                   QByteArray(" 7  16777215  ") + "8   4"
            << Swatches({{1, "255|255       "}, {7, "16777215|16777215  "}});
    }
    void startUpLoadsValidRecordsOnly()
    {
        QFETCH(QByteArray, bytes);
        QTEST(swatches(start(bytes)), "loaded");
        QCOMPARE(bytesOf(pal), bytes.size() < 14 ? QByteArray("<unreadable>") : bytes);
    }

    void clearAllAsksThenEmptiesEveryRecord()
    {
        const QByteArray three = rec(1, "255") + rec(2, "65280") + rec(3, "16711680");
        frmColourPicker& w = start(three);
        const Swatches loaded = swatches(w);
        messages.answers = {MessageBoxes::Answer::No, MessageBoxes::Answer::Yes};
        chooseFromMenu(w, 2, w.mnuclearall);
        QCOMPARE(bytesOf(pal), three);
        QCOMPARE(swatches(w), loaded);
        chooseFromMenu(w, 2, w.mnuclearall);
        QByteArray cleared;
        for (int i = 1; i <= 34; ++i)
            cleared += rec(i, "-1");
        QCOMPARE(bytesOf(pal), cleared);
        QCOMPARE(swatches(w), Swatches());
        QCOMPARE(messages.shown.size(), 2);
        const RecordingMessageBoxes::Shown& box = messages.shown.last();
        QVERIFY(box.icon == MessageBoxes::Icon::Warning &&
                box.buttons == MessageBoxes::Buttons::YesNo);
        QCOMPARE(box.title + u'|' + box.text,
                 QStringLiteral("Warning|You are about to clear all Pallette Colours\r\n"
                                "            Continue (Y/N)  "));
    }

    void fullPaletteBlinksUntilASwatchIsCleared()
    {
        QByteArray full;
        for (int i = 1; i <= 34; ++i)
            full += rec(i, QByteArray::number(i * 65793));
        frmColourPicker& w = start(full);
        const Swatches loaded = swatches(w);
        QTest::mouseClick(w.cmdRGBtoPallette, Qt::LeftButton);
        QCOMPARE(bytesOf(pal), full);
        QCOMPARE(swatches(w), loaded);
        QString shown;
        for (int tick = 0; tick < 12 && w.Timer2->isActive(); ++tick) {
            QVERIFY(QMetaObject::invokeMethod(w.Timer2, "timeout"));
            shown += w.palletteWarning->isVisible() ? u'1' : u'0';
        }
        QCOMPARE(shown, QStringLiteral("101010101010"));
        QVERIFY(!w.Timer2->isActive());

        chooseFromMenu(w, 5, w.mnuClearColour);
        QCOMPARE(bytesOf(pal), full.replace(4 * 14, 14, rec(5, "-1")));
        QVERIFY(!swatches(w).contains(5));
        QTest::mouseClick(w.cmdRGBtoPallette, Qt::LeftButton);
        QCOMPARE(bytesOf(pal), full.replace(4 * 14, 14, rec(5, "0")));
        QCOMPARE(swatches(w)[5], QStringLiteral("0|0"));
    }

    void swatchClickMakesItsColourCurrent_data()
    {
        QTest::addColumn<int>("swatch");
        QTest::addColumn<bool>("hsbFormat");
        QTest::addColumn<QStringList>("changed"); // the leading texts(); the rest stay as they were
        const QStringList colour =
            QStringLiteral("18|52|86|5649426|\"#123456\"|&H00563412&|"
                           "RGB(18,52,86)|0x00563412|$00563412|0x214365|123456")
                .split(u'|');
        QTest::newRow("RGB format") << 2 << false << colour;
        QTest::newRow("HSB format") << 2 << true << colour + QStringList{"210", "79", "34"};
        QTest::newRow("empty swatch") << 3 << true << QStringList();
    }
    void swatchClickMakesItsColourCurrent()
    {
        QFETCH(int, swatch);
        QFETCH(bool, hsbFormat);
        QFETCH(QStringList, changed);
        frmColourPicker& w = start(rec(1, "255") + rec(2, "5649426"));
        if (hsbFormat) QTest::mouseClick(w.optFormat[1], Qt::LeftButton);
        const QStringList before = texts(w);
        w.HueEdited = w.SaturationEdited = w.BrightnessEdited = true;
        QTest::mouseClick(w.PalletteColour[swatch], Qt::LeftButton);
        QCOMPARE(texts(w), changed + before.mid(changed.size()));
        // The release clears the edited flags; rewriting the HSB fields sets them again.
        QCOMPARE(QList<bool>({w.HueEdited, w.SaturationEdited, w.BrightnessEdited}),
                 QList<bool>(3, changed.size() == 14));
    }

    void fileErrorsAreSilent()
    {
        // Under a regular file no folder can be made, so nothing opens there, even for root.
        writeFile(folder->filePath("afile"), "x");
        ProgramFolder::setOverride(folder->filePath("afile/sub"));
        QTest::mouseClick(start().cmdRGBtoPallette, Qt::LeftButton);
        QCOMPARE(swatches(*window), Swatches());
        QCOMPARE(bytesOf(folder->filePath("afile")), QByteArray("x"));
        // A failed write: the swatch is filled before its record is written.
        ProgramFolder::setOverride(folder->path());
        QVERIFY(QFile::link("/dev/full", pal));
        QTest::mouseClick(start().cmdRGBtoPallette, Qt::LeftButton);
        QCOMPARE(swatches(*window), Swatches({{1, "0|0"}}));
    }

    // Files of up to 40 records, a quarter of them with a few bytes overwritten and so not
    // expected to load, and perhaps cut off anywhere; each loaded once, a few through the window.
    void randomFilesLoadOnlyWhatTheyHold()
    {
        QRandomGenerator g(20240611);
        const QRegularExpression wholeNumber(QStringLiteral("^[-+]?[0-9]+$"));
        const QByteArray junk(" -+0123456789a\t\n\xff\0", 18);
        for (int n = 0; n < 2000; ++n) {
            const int count = g.bounded(41);
            const int length = g.bounded(4) == 0 ? g.bounded(count * 14 + 1) : count * 14;
            QByteArray bytes;
            QList<std::pair<int, int>> intact; // (index, colour) of the records that must load
            for (int r = 0; r < count; ++r) {
                const int index = g.bounded(8) == 0 ? g.bounded(-9, 200) : g.bounded(1, 35);
                const int colour = g.bounded(4) == 0 ? -1 : g.bounded(-1, 0x7fffffff);
                QByteArray record = rec(index, QByteArray::number(colour));
                const bool damaged = g.bounded(4) == 0;
                for (int f = damaged ? g.bounded(1, 4) : 0; f > 0; --f)
                    record[g.bounded(14)] =
                        g.bounded(2) ? junk[g.bounded(junk.size())] : char(g.bounded(256));
                if (!damaged && r < 34 && (r + 1) * 14 <= length && index >= 1 && index <= 34 &&
                    colour != -1)
                    intact << std::pair(index, colour);
                bytes += record;
            }
            bytes.truncate(length);
            // A new file each time: rewriting one in place makes some file systems flush it.
            const QString path = folder->filePath(QStringLiteral("fuzz%1.pal").arg(n));
            writeFile(path, bytes);
            const QList<PalletteFile::Entry> entries = PalletteFile::Load(path);
            const QByteArray at = QByteArray::number(n) + ": " + bytes.toHex();
            QVERIFY2(bytesOf(path) == (bytes.size() < 14 ? QByteArray("<unreadable>") : bytes), at);
            QVERIFY2(entries.size() <= std::min<qsizetype>(34, bytes.size() / 14), at);
            qsizetype next = 0;
            Swatches expected;
            for (const PalletteFile::Entry& e : entries) {
                const QString tag = e.tag.trimmed();
                QVERIFY2(e.index >= 1 && e.index <= 34 && e.tag.size() >= 10 &&
                             wholeNumber.match(tag).hasMatch() && tag.toInt() == e.colour,
                         at);
                if (next < intact.size() && intact[next] == std::pair(e.index, e.colour)) ++next;
                expected[e.index] = QString::number(e.colour) + u'|' + e.tag;
            }
            QVERIFY2(next == intact.size(), at); // a valid record lost
            if (n % 400 == 0) QCOMPARE(swatches(start(bytes)), expected);
        }
    }
};

TINTWELL_TEST_MAIN(tst_Pallette)
#include "tst_Pallette.moc"
