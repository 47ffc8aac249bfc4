#include "ColourBox.h"
#include "INI.h"
#include "ProgramFolder.h"
#include "SettingsStore.h"
#include "StandIns.h"
#include "TestMain.h"
#include "Twips.h"
#include "devColorSelect.h"
#include "frmColourPicker.h"
#include "frmCustomColour.h"
#include "frmRename.h"
#include "frmRenameScheme.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

namespace {

using Answer = MessageBoxes::Answer;

QString path(const QString& name)
{
    return ProgramFolder::file(name);
}

void writeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray bytes(const QString& name)
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

QStringList captions(const frmCustomColour* s)
{
    QStringList result;
    for (int i = 0; i < s->devColorSelect1->ListCount(); ++i)
        result << s->devColorSelect1->ItemCaption(i);
    return result;
}

QStringList entries(const frmCustomColour* s)
{
    QStringList result;
    for (int i = 0; i < s->cboColourScheme->count(); ++i)
        result << s->cboColourScheme->itemText(i);
    return result;
}

// Opens the combo's list and clicks the entry, as a user chooses one.
void choose(frmCustomColour* s, const QString& name)
{
    QComboBox* combo = s->cboColourScheme;
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex entry = combo->model()->index(combo->findText(name), 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
}

void pressLine(frmCustomColour* s, int line)
{
    auto* surface = s->devColorSelect1->findChild<QWidget*>(QStringLiteral("PicItemDC"));
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(20, 15 * line + 7));
}

// Replaces a box's text the way a user does: select it with the keyboard, then type.
void typeInto(QLineEdit* box, const QString& text)
{
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClicks(box, text);
    if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Backspace);
}

void addColour(frmColourPicker& main, frmCustomColour* s, const QString& name, int colour)
{
    main.SetFormColours(colour);
    typeInto(s->txtEnterColName, name);
    QTest::mouseClick(s->cmdADDColour, Qt::LeftButton);
}

// Runs drive on the dialog that clicking opener opens; the dialog is closed after drive whatever
// it did, so a failed check cannot leave the test waiting. False when no dialog came up.
template <typename Dialog>
bool withDialog(QPushButton* opener, const std::function<void(Dialog&)>& drive)
{
    bool opened = false;
    QTimer::singleShot(0, opener, [&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        opened = true;
        drive(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    QTest::mouseClick(opener, Qt::LeftButton);
    QCoreApplication::processEvents();
    return opened;
}

const QString Alphanumeric = QStringLiteral(
    "! Error: Please check to make sure you are only using Alphanumeric Characters  ");

} // namespace

class tst_frmCustomColour : public QObject {
    Q_OBJECT

    RecordingMessageBoxes messages;
    RecordingWindowService windows;
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<frmColourPicker> main;
    frmCustomColour* schemes = nullptr;

    frmCustomColour* open()
    {
        main = std::make_unique<frmColourPicker>();
        main->mnufilecustomcolour->trigger();
        schemes = main->findChild<frmCustomColour*>();
        return schemes;
    }

    // "<icon> <title>: <text>", the icon as ! exclamation, i information, x critical, ? question.
    QStringList said() const
    {
        QStringList result;
        for (const auto& m : messages.shown)
            result << QStringLiteral("i!x?").mid(int(m.icon) - 1, 1) + u' ' + m.title + ": " +
                          m.text;
        return result;
    }

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        ProgramFolder::setOverride(folder->path());
        SettingsStore::SaveSetting(SettingsStore::ExeName(), "settings", "ontop", "0");
        messages.shown.clear();
        messages.answers.clear();
        windows.calls.clear();
    }

    void cleanup() { main.reset(); }

    void schemesAreListedAndANewOneJoinsOnce()
    {
        for (const char* name : {"x.col", "x.COL", "abccol", "col", ".hidden.col"})
            writeFile(name, "");
        QDir(folder->path()).mkdir("dir.col");
        open();
        QCOMPARE(entries(schemes), QStringList({"ab", "x"}));
        QCOMPARE(schemes->cboColourScheme->currentText(), QString());

        typeInto(schemes->cboColourScheme->lineEdit(), "new");
        addColour(*main, schemes, "Sky", 16436871);
        addColour(*main, schemes, "Sea", 8388608);
        QCOMPARE(entries(schemes), QStringList({"ab", "x", "new"}));
        QCOMPARE(captions(schemes), QStringList({"Sky", "Sea"}));
        QCOMPARE(bytes("new.col"), "[Sky]\r\n1=16436871\r\n[Sea]\r\n1=8388608\r\n");
        QVERIFY(schemes->txtEnterColName->text().isEmpty());
    }

    void newColourNamesMustNotBeginAnExistingOne_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("shown");
        const QString taken = "i Error: This Colour Name Already Exitsts.";
        QTest::newRow("Red with reddish") << "reddish"
                                          << "Red" << QStringList{"reddish"} << QStringList{taken};
        QTest::newRow("Reddish with Red")
            << "Red"
            << "Reddish" << QStringList{"Red", "Reddish"} << QStringList{};
        QTest::newRow("same name") << "Red"
                                   << "rED" << QStringList{"Red"} << QStringList{taken};
        QTest::newRow("empty") << "Red"
                               << "" << QStringList{"Red"}
                               << QStringList{"! Error: Please enter a Colour Name to Continue.  "};
    }

    void newColourNamesMustNotBeginAnExistingOne()
    {
        QFETCH(QString, existing);
        QFETCH(QString, typed);
        writeFile("s.col", "[" + existing.toLatin1() + "]\r\n1=5\r\n");
        open();
        choose(schemes, "s");
        addColour(*main, schemes, typed, 7);
        QTEST(captions(schemes), "listed");
        QTEST(said(), "shown");
        QCOMPARE(INI::GetSectionNames(path("s.col")), captions(schemes));
    }

    void oldFormatIsConvertedOnceAndOnlyWhole()
    {
        // Left behind by a conversion cut short; none of it may reach the next one.
        writeFile("schemeTemp$$$.col", "[Stale]\r\n1=1\r\n");
        writeFile("old.col", "Sky, 135,206,250\r\nHot,300,0,-5\r\n\r\n");
        writeFile("half.col", "A,1,2,3\r\nB,1,2\r\n");
        open();
        choose(schemes, "old");
        const QByteArray converted = "[Sky]\r\n1=16436871\r\n[Hot]\r\n1=255\r\n";
        QCOMPARE(bytes("old.col"), converted);
        choose(schemes, "old");
        QCOMPARE(bytes("old.col"), converted);
        QCOMPARE(captions(schemes), QStringList({"Sky", "Hot"}));
        QVERIFY(said().isEmpty());

        choose(schemes, "half");
        QCOMPARE(captions(schemes), QStringList({"A"}));
        QCOMPARE(said(), QStringList({"x Error: There was a error loading this Scheme  "}));
        QCOMPARE(bytes("half.col"), "A,1,2,3\r\nB,1,2\r\n");
        QVERIFY(!QFile::exists(path("schemeTemp$$$.col")));
    }

    void badSchemeFilesAreReportedAndLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<bool>("reported");
        QTest::newRow("binary") << QByteArray("\x00\xff\x01,\xfe\n\x80", 7) << QStringList{}
                                << true;
        QTest::newRow("no key 1") << QByteArray("[Red]\r\n2=5\r\n[Blue]\r\n1=9\r\n")
                                  << QStringList{"Red", "Blue"} << false;
        QTest::newRow("value no number")
            << QByteArray("[Red]\r\n1=5\r\n[Blue]\r\n1=blue\r\n") << QStringList{"Red"} << true;
        QTest::newRow("value past int")
            << QByteArray("[Red]\r\n1=99999999999\r\n") << QStringList{} << true;
        QTest::newRow("three fields") << QByteArray("Red,255,0\r\n") << QStringList{} << true;
        QTest::newRow("channel no number") << QByteArray("Red,ff,0,0\r\n") << QStringList{} << true;
        QTest::newRow("name no header")
            << QByteArray("Re\0d,1,1,1\r\n", 12) << QStringList{} << true;
        QTest::newRow("long line") << QByteArray(4 << 20, 'x') << QStringList{} << true;
    }

    void badSchemeFilesAreReportedAndLeftAlone()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, reported);
        writeFile("bad.col", content);
        open();
        choose(schemes, "bad");
        QTEST(captions(schemes), "listed");
        QCOMPARE(said().size(), reported ? 1 : 0);
        QCOMPARE(bytes("bad.col"), content);
        QVERIFY(!QFile::exists(path("schemeTemp$$$.col")));
    }

    void randomSchemeFilesNeverBreakTheWindow()
    {
        QRandomGenerator random(20240611);
        const QList<QByteArray> pieces{"[",
                                       "]",
                                       "=",
                                       ",",
                                       "1",
                                       "255",
                                       "-3",
                                       "1e3",
                                       "x",
                                       " ",
                                       "\r\n",
                                       "\n",
                                       QByteArray(1, '\0'),
                                       "\xc3\xa9",
                                       "\xff"};
        QMap<QString, QByteArray> written;
        QStringList iniFiles;
        for (int n = 0; n < 1000; ++n) {
            // Random bytes; random pieces of both forms; the same after a header; comma lines.
            QByteArray content = n % 4 == 2 ? "[c" + QByteArray::number(n) + "]\r\n1=" : "";
            for (int i = n % 4 == 3 ? random.bounded(1, 5) : 0; i > 0; --i) {
                content += QByteArray::number(i) + ',' +
                           QByteArray::number(random.bounded(-9, 400)) + ",7,0\r\n";
            }
            for (int i = random.bounded(n % 4 == 3 ? 2 : 40); i > 0; --i) {
                content += n % 4 ? pieces[random.bounded(pieces.size())]
                                 : QByteArray(1, char(random.bounded(256)));
            }
            const QString name = QStringLiteral("f%1.col").arg(n, 4, 10, QChar('0'));
            writeFile(name, written[name] = content);
            if (!INI::GetSectionNames(path(name)).isEmpty()) iniFiles << name;
        }
        QVERIFY(iniFiles.size() > 250);
        open();
        schemes->cboColourScheme->setFocus();
        for (int n = 0; n < 1000; ++n)
            QTest::keyClick(schemes->cboColourScheme, Qt::Key_Down);
        QCOMPARE(schemes->cboColourScheme->currentText(), "f0999");
        int converted = 0;
        for (auto file = written.cbegin(); file != written.cend(); ++file) {
            if (bytes(file.key()) == file.value()) continue;
            // Only a file in the old form may change, and only into the INI form.
            QVERIFY2(!iniFiles.contains(file.key()), qPrintable(file.key()));
            QVERIFY(!INI::GetSectionNames(path(file.key())).isEmpty());
            ++converted;
        }
        QVERIFY(converted > 50);
        QVERIFY(!QFile::exists(path("schemeTemp$$$.col")));
    }

    void commandsRefuseWithoutWhatTheyNeed_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("schemeChosen");
        QTest::addColumn<QString>("shown");
        const QString load = "! Error: Please load a Colour to Continue  ";
        const QString scheme = "! Error: Please Select a Scheme Name to Continue.  ";
        QTest::newRow("select, empty list") << "Select Colour" << false << load;
        QTest::newRow("delete, empty list") << "Del Colour" << false << load;
        QTest::newRow("rename, empty list") << "     Rename" << false << load;
        QTest::newRow("delete, no line")
            << "Del Colour" << true << "! Error: Please Select a Colour to Delete first  ";
        QTest::newRow("rename, no line")
            << "     Rename" << true << "! Error: Please Select a Colour to Rename first  ";
        QTest::newRow("delete scheme") << "Del Scheme" << false << scheme;
        QTest::newRow("rename scheme") << "Rename Scheme" << false << scheme;
    }

    void commandsRefuseWithoutWhatTheyNeed()
    {
        QFETCH(QString, command);
        QFETCH(bool, schemeChosen);
        writeFile("s.col", "[Red]\r\n1=255\r\n");
        open();
        if (schemeChosen) choose(schemes, "s");
        QPushButton* button = nullptr;
        for (auto* b : schemes->findChildren<QPushButton*>())
            if (b->text() == command) button = b;
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QTEST(said().join(u'|'), "shown");
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(bytes("s.col"), "[Red]\r\n1=255\r\n");
    }

    void deletingColoursAndSchemes()
    {
        writeFile("s.col", "[Red]\r\n1=255\r\n");
        open();
        choose(schemes, "s");
        pressLine(schemes, 0);
        messages.answers = {Answer::Yes, Answer::No, Answer::Yes};
        QTest::mouseClick(schemes->cmdDelColour, Qt::LeftButton);
        QCOMPARE(captions(schemes), QStringList());
        QVERIFY(QFile::exists(path("s.col")));
        QVERIFY(INI::GetSectionNames(path("s.col")).isEmpty());
        QCOMPARE(entries(schemes), QStringList({"s"}));

        QTest::mouseClick(schemes->cmdDeleteScheme, Qt::LeftButton);
        QVERIFY(QFile::exists(path("s.col")));
        QTest::mouseClick(schemes->cmdDeleteScheme, Qt::LeftButton);
        QVERIFY(!QFile::exists(path("s.col")));
        QCOMPARE(entries(schemes), QStringList());
        QCOMPARE(schemes->cboColourScheme->currentText(), QString());
        const QString ask = "? Warning: Do you Really want to Delete  ";
        QCOMPARE(said(), QStringList({"! Warning: You are about to Delete a Colour\r\n     "
                                      "Continue (Y/N)  ",
                                      ask, ask}));
    }

    void renamingAColour_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key"); // 0 clicks Rename
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("shown");
        const QStringList unchanged{"Red", "Green", "Blue"};
        QTest::newRow("Rename button")
            << "Dark Green (1)" << 0 << "" << QStringList{"Red", "Dark Green (1)", "Blue"}
            << QStringList{};
        QTest::newRow("keys refused, Enter") << "Li!m=e" << int(Qt::Key_Return) << ""
                                             << QStringList{"Red", "Lime", "Blue"} << QStringList{};
        QTest::newRow("Esc") << "Lime" << int(Qt::Key_Escape) << "" << unchanged << QStringList{};
        QTest::newRow("pasted !") << "" << 0 << "Lime!" << unchanged << QStringList{Alphanumeric};
        QTest::newRow("taken") << "blue" << 0 << "" << unchanged
                               << QStringList{"i Duplicate Section: blue allready exists.  "
                                              "~(RenameSection)"};
    }

    void renamingAColour()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, pasted);
        writeFile("s.col", "[Red]\r\n1=255\r\n[Green]\r\n1=65280\r\n[Blue]\r\n1=16711680\r\n");
        open();
        schemes->show();
        choose(schemes, "s");
        pressLine(schemes, 1);
        QStringList filled;
        bool stayedOpen = false;
        QVERIFY(withDialog<frmRename>(schemes->cmdRenameColour, [&](frmRename& d) {
            filled = QStringList{d.windowTitle(), d.txtOldName->text(), d.txtOldColour->text(),
                                 d.txtSchemename->text(), d.txtLineNumber->text()};
            filled << QString::number(d.pos().x() - schemes->pos().x() - Twips::toPixelsX(500));
            QTest::keyClicks(d.txtNewName, typed);
            if (!pasted.isEmpty()) {
                QGuiApplication::clipboard()->setText(pasted);
                d.txtNewName->paste();
            }
            if (key)
                QTest::keyClick(d.txtNewName, Qt::Key(key));
            else
                QTest::mouseClick(d.cmdRename, Qt::LeftButton);
            stayedOpen = d.isVisible();
        }));
        QCOMPARE(filled, QStringList({"Rename Colour", "Green", "65280", "s", "1", "0"}));
        QTEST(captions(schemes), "listed");
        QTEST(said(), "shown");
        QCOMPARE(stayedOpen, !pasted.isEmpty());
        QCOMPARE(INI::GetSectionNames(path("s.col")), captions(schemes));
        if (!stayedOpen && key != Qt::Key_Escape) {
            QCOMPARE(schemes->devColorSelect1->ListIndex(), 1);
            QCOMPARE(schemes->picSelect->BackColor(), 65280);
        }
    }

    void renamingAScheme_data()
    {
        // The new name (pasted when it begins with "paste:"), a change to the folder made behind
        // the window's back ("-" removes, "+" makes a file), and the message.
        QTest::addColumn<QStringList>("row");
        const QString taken = "! Error: A Scheme already exists with this name.  ";
        QTest::newRow("renamed") << QStringList{"Beta", "", ""};
        QTest::newRow("empty") << QStringList{"", "", "! Error: Please enter a new Scheme Name  "};
        QTest::newRow("file gone") << QStringList{
            "Beta", "-alpha.col", "! Error: Scheme does not exist with this name.  "};
        QTest::newRow("other case") << QStringList{"ALPHA", "", taken};
        QTest::newRow("made since listed") << QStringList{"gamma", "+gamma.col", taken};
        QTest::newRow("pasted slash") << QStringList{"paste:a/b", "", Alphanumeric};
    }

    void renamingAScheme()
    {
        QFETCH(QStringList, row);
        const QString typed = row[0], change = row[1], shown = row[2];
        writeFile("alpha.col", "[Red]\r\n1=255\r\n");
        writeFile("other.col", "");
        open();
        choose(schemes, "alpha");
        if (change.startsWith('-')) QFile::remove(path(change.mid(1)));
        if (change.startsWith('+')) writeFile(change.mid(1), "[Mine]\r\n1=1\r\n");
        bool stayedOpen = false;
        QString labels;
        QVERIFY(withDialog<frmRenameScheme>(schemes->cmdRenameScheme, [&](frmRenameScheme& d) {
            labels = d.windowTitle() + '|' + d.Frame1->title() + '|' + d.txtOldSchemeName->text();
            if (typed.startsWith("paste:"))
                d.txtNewSchemeName->insert(typed.mid(6));
            else
                QTest::keyClicks(d.txtNewSchemeName, typed);
            QTest::mouseClick(d.cmdRename, Qt::LeftButton);
            stayedOpen = d.isVisible();
        }));
        QCOMPARE(labels, "Rename Scheme|Rename Scheme |alpha");
        QCOMPARE(said().join('|'), shown);
        QCOMPARE(stayedOpen, !shown.isEmpty());
        if (shown.isEmpty()) {
            QCOMPARE(entries(schemes), QStringList({"Beta", "other"}));
            QCOMPARE(schemes->cboColourScheme->currentText(), "Beta");
            QCOMPARE(captions(schemes), QStringList({"Red"}));
            QCOMPARE(bytes("Beta.col"), "[Red]\r\n1=255\r\n");
        } else {
            QCOMPARE(bytes("alpha.col"),
                     change == "-alpha.col" ? "(missing)" : "[Red]\r\n1=255\r\n");
            QCOMPARE(entries(schemes), QStringList({"alpha", "other"}));
        }
    }

    void aChosenColourBecomesTheMainWindowsColour()
    {
        writeFile("s.col", "[Red]\r\n1=255\r\n[Teal]\r\n1=8421376\r\n");
        open();
        choose(schemes, "s");
        pressLine(schemes, 1);
        auto* surface = schemes->devColorSelect1->findChild<QWidget*>("PicItemDC");
        for (const QString way : {"Select Colour", "double-click", "Enter"}) {
            main->SetFormColours(0);
            if (way == "Select Colour") QTest::mouseClick(schemes->cmdSelectColour, Qt::LeftButton);
            if (way == "double-click")
                QTest::mouseDClick(surface, Qt::LeftButton, {}, QPoint(20, 22));
            if (way == "Enter") QTest::keyClick(surface, Qt::Key_Return);
            QVERIFY2(main->txtHexCodeHtml->text() == "\"#008080\"", qPrintable(way));
            QCOMPARE(main->picShowColour->BackColor(), 8421376);
        }
    }

    void typedNamesAreKeptToTheirRules()
    {
        writeFile("s.col", "[Red]\r\n1=255\r\n");
        open();
        choose(schemes, "s");
        typeInto(schemes->cboColourScheme->lineEdit(), "a!b=c/");
        QCOMPARE(schemes->cboColourScheme->currentText(), "abc");
        QCOMPARE(captions(schemes), QStringList());
        QCOMPARE(schemes->List1->count(), 0);

        QLineEdit* name = schemes->txtEnterColName;
        QTest::keyClicks(name, QString(200, 'W'));
        const int limit = Twips::toPixelsX(2100);
        QVERIFY(name->fontMetrics().horizontalAdvance(name->text()) >= limit);
        QVERIFY(name->fontMetrics().horizontalAdvance(name->text().chopped(1)) < limit);
        const QString full = name->text();
        QTest::keyClick(name, Qt::Key_Backspace);
        QCOMPARE(name->text(), full.chopped(1));
        QGuiApplication::clipboard()->setText("pasted");
        QTest::keyClick(name, 'W');
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(name, 'W');
        QCOMPARE(name->text(), full + "pasted");
        QTest::mouseClick(schemes->cmdADDColour, Qt::LeftButton);
        QCOMPARE(captions(schemes), QStringList({full + "pasted"}));
    }

    void theTopBandAndPlacementAsWindowsOpenAndClose()
    {
        SettingsStore::SaveSetting(SettingsStore::ExeName(), "settings", "ontop", "1");
        writeFile("s.col", "[Red]\r\n1=255\r\n");
        open();
        schemes->show();
        choose(schemes, "s");
        pressLine(schemes, 0);
        windows.calls.clear();
        QVERIFY(withDialog<frmRename>(schemes->cmdRenameColour, [&](frmRename& d) {
            QTest::mouseClick(d.cmdExit, Qt::LeftButton);
        }));
        QCOMPARE(captions(schemes), QStringList({"Red"}));
        // Esc reaches the window from the list, which has no use for it.
        QTest::keyClick(schemes->devColorSelect1->findChild<QWidget*>("PicItemDC"), Qt::Key_Escape);
        QVERIFY(!schemes->isVisible());
        QCOMPARE(windows.calls,
                 QStringList({"top:frmRename", "untop:frmRename", "top:frmColourPicker",
                              "untop:frmCustomColour", "top:frmColourPicker"}));
        QVERIFY(SettingsStore::GetSetting(SettingsStore::ExeName(), "FormSettings",
                                          "frmCustomColour Top", "none") != "none");
    }
};

TINTWELL_TEST_MAIN(tst_frmCustomColour)
#include "tst_frmCustomColour.moc"
