#include "ColourBox.h"
#include "PalletteFile.h"
#include "ProgramFolder.h"
#include "StandIns.h"
#include "TestMain.h"
#include "ctxUpDown.h"
#include "frmColourPicker.h"

#include <QDir>
#include <QFile>
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

QString palletteFile()
{
    return ProgramFolder::file(QStringLiteral("Pallette.pal"));
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A record as a hand-made file holds it: index padded to 4, colour padded to 10.
QByteArray rec(int index, const QByteArray& colour)
{
    return QByteArray::number(index).leftJustified(4) + colour.leftJustified(10);
}

// "colour|tag" of swatches 1..34.
QStringList swatches(const frmColourPicker& w)
{
    QStringList states;
    for (int i = 1; i <= 34; ++i)
        states << QString::number(w.PalletteColour[i]->BackColor()) + u'|' +
                      w.PalletteColour[i]->Tag;
    return states;
}

const QString Empty = QString::number(ButtonFace) + u'|';

QStringList withSwatches(const QList<std::pair<int, QString>>& used)
{
    QStringList states(34, Empty);
    for (const auto& [index, state] : used)
        states[index - 1] = state;
    return states;
}

// Right-clicks a swatch and picks an entry of the pop-up menu it opens.
void chooseFromMenu(frmColourPicker& w, int swatch, QAction* action)
{
    QTest::mouseClick(w.PalletteColour[swatch], Qt::RightButton);
    QVERIFY(w.mnuhidden->isVisible());
    QTest::mouseClick(w.mnuhidden, Qt::LeftButton, {},
                      w.mnuhidden->actionGeometry(action).center());
    QVERIFY(!w.mnuhidden->isVisible());
}

void applyHex(frmColourPicker& w, const QString& digits)
{
    QTest::keyClick(w.txtEnterHex, Qt::Key_End);
    QTest::keyClick(w.txtEnterHex, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClicks(w.txtEnterHex, digits);
    QTest::mouseClick(w.cmdApply, Qt::LeftButton);
}

// Every field and text form a swatch click writes, then the three HSB fields.
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

// A file of 0..600 bytes: either loose pieces, or records of which some are corrupted and the
// tail perhaps cut off. `intact` gets the (index, colour) of the untouched records that must load.
QByteArray randomFile(QRandomGenerator& g, QList<std::pair<int, int>>& intact)
{
    static const QList<QByteArray> pieces{
        "0",    "1", "7",  "42", " ", "    ", "-1", "-", "+", "\t", QByteArray(1, '\0'),
        "\xff", "a", "\n", "99"};
    QByteArray bytes;
    if (g.bounded(3) == 0) {
        const int length = g.bounded(601);
        while (bytes.size() < length)
            bytes += g.bounded(4) == 0 ? QByteArray(1, char(g.bounded(256)))
                                       : pieces[g.bounded(pieces.size())];
        return bytes.left(length);
    }
    QList<std::pair<int, int>> good;
    for (int k = g.bounded(41); k > 0; --k) {
        const int index = g.bounded(8) == 0 ? g.bounded(-9, 200) : g.bounded(1, 35);
        const int colour = g.bounded(4) == 0 ? -1 : g.bounded(-1, 0x7fffffff);
        QByteArray record = rec(index, QByteArray::number(colour));
        if (g.bounded(4) == 0) {
            for (int f = g.bounded(1, 4); f > 0; --f)
                record[g.bounded(14)] = char(g.bounded(256));
            good << std::pair(0, 0);
        } else {
            good << std::pair(index, colour);
        }
        bytes += record;
    }
    if (g.bounded(4) == 0) bytes.truncate(g.bounded(bytes.size() + 1));
    for (qsizetype k = 0; k < std::min<qsizetype>(bytes.size() / 14, 34); ++k)
        if (good[k].first >= 1 && good[k].first <= 34 && good[k].second != -1) intact << good[k];
    return bytes;
}

} // namespace

class tst_Pallette : public QObject {
    Q_OBJECT

    RecordingMessageBoxes messages;
    std::unique_ptr<QTemporaryDir> folder;

private slots:
    void init()
    {
        // The chosen format is remembered; every test starts on RGB.
        QDir(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tintwell").removeRecursively();
        folder = std::make_unique<QTemporaryDir>();
        ProgramFolder::setOverride(folder->path());
        messages.shown.clear();
        messages.answers.clear();
    }
    void cleanupTestCase() { ProgramFolder::setOverride({}); }

    void spinnerStepsItsFieldWithinTheLimit_data()
    {
        QTest::addColumn<int>("spinner");
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("after");
        QTest::newRow("red up") << 2 << "0" << true << "1";
        QTest::newRow("red up at 255") << 2 << "255" << true << "255";
        QTest::newRow("hue down at 0") << 5 << "0" << false << "0";
        QTest::newRow("saturation up at 100") << 6 << "100" << true << "100";
        QTest::newRow("brightness down") << 7 << "50" << false << "49";
    }
    void spinnerStepsItsFieldWithinTheLimit()
    {
        QFETCH(int, spinner);
        QFETCH(QString, start);
        QFETCH(bool, up);
        QFETCH(QString, after);
        frmColourPicker w;
        w.show();
        if (spinner >= 5) QTest::mouseClick(w.optFormat[1], Qt::LeftButton);
        ctxUpDown* const control =
            std::array{w.ctxUpDown2, w.ctxUpDown3, w.ctxUpDown4,
                       w.ctxUpDown5, w.ctxUpDown6, w.ctxUpDown7}[spinner - 2];
        QLineEdit* const field = std::array{w.txtRGBred, w.txtRGBgreen, w.txtRGBblue,
                                            w.txtHue,    w.txtSat,      w.txtBright}[spinner - 2];
        field->setText(start);
        QVERIFY(control->isVisible());
        QTest::mouseClick(control, Qt::LeftButton, {},
                          QPoint(control->width() / 2, control->height() * (up ? 1 : 3) / 4));
        QCOMPARE(field->text(), after);
        if (spinner == 2) QCOMPARE(w.txtRGBforVB->text(), after);
    }

    void savedColoursFillFreeSwatchesAndSurviveARestart()
    {
        {
            frmColourPicker w;
            w.show();
            QTest::mouseClick(w.cmdRGBtoPallette, Qt::LeftButton);
            QCOMPARE(bytesOf(palletteFile()), QByteArray("1   0         "));
            QTest::mouseClick(w.optFormat[1], Qt::LeftButton);
            QTest::mouseClick(w.cmdHSBtoPallette, Qt::LeftButton);
            QCOMPARE(bytesOf(palletteFile()), QByteArray("1   0         2   0         "));
            applyHex(w, "0000ff");
            QCOMPARE(bytesOf(palletteFile()),
                     QByteArray("1   0         2   0         3   255       "));
            QCOMPARE(swatches(w), withSwatches({{1, "0|0"}, {2, "0|0"}, {3, "255|255"}}));
        }
        // Loaded tags are padded to 10 characters.
        frmColourPicker w;
        QCOMPARE(swatches(w),
                 withSwatches({{1, "0|0         "}, {2, "0|0         "}, {3, "255|255       "}}));
    }

    void startUpDeletesOnlyFilesShorterThanARecord_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<QStringList>("loaded");
        QTest::newRow("missing") << QByteArray() << false << withSwatches({});
        QTest::newRow("zero length") << QByteArray("") << false << withSwatches({});
        QTest::newRow("13 bytes") << QByteArray("1   255      ") << false << withSwatches({});
        QTest::newRow("only empty records")
            << rec(1, "-1") + rec(2, "-1") << true << withSwatches({});
        QTest::newRow("garbage among records")
            << rec(1, "255") + rec(2, "12ab") + rec(0, "100") + rec(99, "100") + rec(5, "-1") +
                   QByteArray("\0\xff\x01junk\r\n\0\0\x7f\x80!", 14) + rec(6, "1e3") +
                   rec(3, QByteArray("5\0ab", 4)) + QByteArray(" 7  16777215  ") + "8   4"
            << true << withSwatches({{1, "255|255       "}, {7, "16777215|16777215  "}});
    }
    void startUpDeletesOnlyFilesShorterThanARecord()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, kept);
        QFETCH(QStringList, loaded);
        if (!bytes.isNull()) writeFile(palletteFile(), bytes);
        frmColourPicker w;
        QCOMPARE(QFile::exists(palletteFile()), kept);
        if (kept) QCOMPARE(bytesOf(palletteFile()), bytes);
        QCOMPARE(swatches(w), loaded);
    }

    void clearAllAsksThenEmptiesEveryRecord()
    {
        const QByteArray three = rec(1, "255") + rec(2, "65280") + rec(3, "16711680");
        writeFile(palletteFile(), three);
        QByteArray cleared;
        for (int i = 1; i <= 34; ++i)
            cleared += rec(i, "-1");
        {
            frmColourPicker w;
            w.show();
            const QStringList loaded = swatches(w);
            messages.answers = {MessageBoxes::Answer::No, MessageBoxes::Answer::Yes};
            chooseFromMenu(w, 2, w.mnuclearall);
            QCOMPARE(bytesOf(palletteFile()), three);
            QCOMPARE(swatches(w), loaded);
            chooseFromMenu(w, 2, w.mnuclearall);
            QCOMPARE(bytesOf(palletteFile()).size(), 476);
            QCOMPARE(bytesOf(palletteFile()), cleared);
            QCOMPARE(swatches(w), withSwatches({}));
        }
        QCOMPARE(messages.shown.size(), 2);
        for (const RecordingMessageBoxes::Shown& box : messages.shown) {
            QVERIFY(box.icon == MessageBoxes::Icon::Warning &&
                    box.buttons == MessageBoxes::Buttons::YesNo);
            QCOMPARE(box.title + u'|' + box.text,
                     QStringLiteral("Warning|You are about to clear all Pallette Colours\r\n"
                                    "            Continue (Y/N)  "));
        }
        frmColourPicker next;
        QCOMPARE(swatches(next), withSwatches({}));
        QCOMPARE(bytesOf(palletteFile()), cleared);
    }

    void fullPaletteBlinksUntilASwatchIsCleared()
    {
        QByteArray full; // swatch i holds the grey i,i,i
        for (int i = 1; i <= 34; ++i)
            full += rec(i, QByteArray::number(i * 65793));
        writeFile(palletteFile(), full);
        frmColourPicker w;
        w.show();
        const QStringList loaded = swatches(w);
        QVERIFY(!loaded.contains(Empty));
        QTest::mouseClick(w.cmdRGBtoPallette, Qt::LeftButton);
        QCOMPARE(bytesOf(palletteFile()), full);
        QCOMPARE(swatches(w), loaded);
        QCOMPARE(w.Timer2->interval(), 250);
        QList<bool> shown;
        for (int tick = 0; tick < 12; ++tick) {
            QVERIFY(w.Timer2->isActive());
            QVERIFY(QMetaObject::invokeMethod(w.Timer2, "timeout"));
            shown << w.palletteWarning->isVisible();
        }
        QCOMPARE(shown, QList<bool>({true, false, true, false, true, false, true, false, true,
                                     false, true, false}));
        QVERIFY(!w.Timer2->isActive());

        chooseFromMenu(w, 5, w.mnuClearColour);
        full.replace(4 * 14, 14, "5   -1        ");
        QCOMPARE(bytesOf(palletteFile()), full);
        QCOMPARE(swatches(w)[4], Empty);
        QTest::mouseClick(w.PalletteColour[7], Qt::LeftButton);
        QTest::mouseClick(w.cmdRGBtoPallette, Qt::LeftButton);
        QCOMPARE(bytesOf(palletteFile()), full.replace(4 * 14, 14, "5   460551    "));
        QCOMPARE(swatches(w)[4], QStringLiteral("460551|460551"));
        QVERIFY(!w.Timer2->isActive());
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
        writeFile(palletteFile(), rec(1, "255") + rec(2, "5649426"));
        frmColourPicker w;
        w.show();
        if (hsbFormat) QTest::mouseClick(w.optFormat[1], Qt::LeftButton);
        const QStringList before = texts(w);
        w.HueEdited = w.SaturationEdited = w.BrightnessEdited = true;
        QTest::mouseClick(w.PalletteColour[swatch], Qt::LeftButton);
        QCOMPARE(texts(w).mid(0, changed.size()), changed);
        QCOMPARE(texts(w).mid(changed.size()), before.mid(changed.size()));
        // The release clears the edited flags; rewriting the HSB fields sets them again.
        QCOMPARE(QList<bool>({w.HueEdited, w.SaturationEdited, w.BrightnessEdited}),
                 QList<bool>(3, changed.size() == 14));
    }

    void fileErrorsAreSilent_data()
    {
        QTest::addColumn<bool>("writeFails");
        QTest::addColumn<QStringList>("filled");
        QTest::newRow("open fails") << false << withSwatches({});
        // The swatch is filled before its record is written.
        QTest::newRow("write fails") << true << withSwatches({{1, "0|0"}, {2, "255|255"}});
    }
    void fileErrorsAreSilent()
    {
        QFETCH(bool, writeFails);
        QFETCH(QStringList, filled);
        // Under a regular file no folder can be made, so nothing opens there, even for root.
        writeFile(folder->filePath("afile"), "x");
        if (!writeFails) ProgramFolder::setOverride(folder->filePath("afile/sub"));
        frmColourPicker w;
        w.show();
        if (writeFails) QVERIFY(QFile::link("/dev/full", palletteFile()));
        QTest::mouseClick(w.cmdRGBtoPallette, Qt::LeftButton);
        applyHex(w, "0000ff");
        QCOMPARE(swatches(w), filled);
        chooseFromMenu(w, 1, w.mnuclearall);
        QCOMPARE(swatches(w), withSwatches({}));
        QCOMPARE(bytesOf(folder->filePath("afile")), QByteArray("x"));
        if (writeFails) QCOMPARE(QFile::symLinkTarget(palletteFile()), QStringLiteral("/dev/full"));
    }

    void randomFilesLoadOnlyWhatTheyHold()
    {
        QRandomGenerator g(20240611);
        const QRegularExpression wholeNumber(QStringLiteral("^[-+]?[0-9]+$"));
        for (int n = 0; n < 2000; ++n) {
            QList<std::pair<int, int>> intact;
            const QByteArray bytes = randomFile(g, intact);
            // A new file each time: rewriting one in place makes some file systems flush it.
            const QString path = folder->filePath(QStringLiteral("fuzz%1.pal").arg(n));
            writeFile(path, bytes);
            const QList<PalletteFile::Entry> entries = PalletteFile::Load(path);
            const auto holds = [&](bool condition, const char* what) {
                if (!condition) qWarning("file %d, %s: %s", n, what, bytes.toHex().constData());
                return condition;
            };
            QVERIFY(holds(QFile::exists(path) == (bytes.size() >= 14), "deleted or kept"));
            QVERIFY(holds(bytes.size() < 14 || bytesOf(path) == bytes, "changed"));
            QVERIFY(holds(entries.size() <= std::min<qsizetype>(34, bytes.size() / 14), "count"));
            qsizetype next = 0;
            for (const PalletteFile::Entry& e : entries) {
                const QString tag = e.tag.trimmed();
                QVERIFY(holds(e.index >= 1 && e.index <= 34, "index"));
                QVERIFY(holds(e.tag.size() >= 10 && wholeNumber.match(tag).hasMatch() &&
                                  tag.toInt() == e.colour,
                              "tag"));
                if (next < intact.size() && intact[next] == std::pair(e.index, e.colour)) ++next;
            }
            QVERIFY(holds(next == intact.size(), "valid record lost"));

            if (n % 100 != 0) continue;
            QStringList expected(34, Empty);
            for (const PalletteFile::Entry& e : entries)
                expected[e.index - 1] = QString::number(e.colour) + u'|' + e.tag;
            writeFile(palletteFile(), bytes);
            frmColourPicker w;
            QCOMPARE(swatches(w), expected);
        }
    }
};

TINTWELL_TEST_MAIN(tst_Pallette)
#include "tst_Pallette.moc"
