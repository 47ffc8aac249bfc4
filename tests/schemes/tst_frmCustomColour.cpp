#include "ColourBox.h"
#include "PickerFixture.h"
#include "TestMain.h"
#include "Twips.h"
#include "cpvButton.h"
#include "devColorSelect.h"
#include "frmCustomColour.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>

using namespace TestSupport;

const QByteArray Red = "[Red]\r\n1=255\r\n", Missing = "<missing>";
const QByteArray RGB = Red + "[Green]\r\n1=65280\r\n[Blue]\r\n1=16711680\r\n";
const QByteArray Reds = Red + "[Reddish]\r\n1=5\r\n";
const QString Alphanumeric =
    "! Error: Please check to make sure you are only using Alphanumeric Characters  ";

class tst_frmCustomColour : public QObject {
    Q_OBJECT

    PickerFixture fix;
    frmCustomColour* win = nullptr;
    QWidget* lines = nullptr; // the colour list's drawing surface

    QString file(const QString& scheme) const { return fix.file(scheme + ".col"); }
    void open(const QByteArray& s = Missing, bool chosen = true)
    {
        if (s != Missing) writeBytes(file("s"), s);
        fix.start().mnufilecustomcolour->trigger();
        win = fix.window->findChild<frmCustomColour*>();
        lines = win->devColorSelect1->findChild<QWidget*>("PicItemDC");
        if (s != Missing && chosen) choose("s");
    }
    void choose(const QString& scheme)
    {
        win->cboColourScheme->showPopup();
        QAbstractItemView* view = win->cboColourScheme->view();
        const QModelIndex index = view->model()->index(win->cboColourScheme->findText(scheme), 0);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }
    void pressLine(int line) { QTest::mouseClick(lines, Qt::LeftButton, {}, {20, 15 * line + 7}); }
    cpvButton* button(QWidget* window, const QString& caption) const
    {
        for (cpvButton* button : window->findChildren<cpvButton*>())
            if (button->Caption().trimmed() == caption) return button;
        return nullptr;
    }
    QString listed() const
    {
        QStringList colours, schemes;
        for (int i = 0; i < win->devColorSelect1->ListCount(); ++i)
            colours << win->devColorSelect1->ItemCaption(i);
        for (int i = 0; i < win->cboColourScheme->count(); ++i)
            schemes << win->cboColourScheme->itemText(i);
        return colours.join(u',') + " | " + schemes.join(u',');
    }
    // "<icon> <title>: <text>", the icon as ! exclamation, i information, x critical, ? question.
    QString said() const
    {
        QStringList shown;
        for (const auto& m : fix.messages.shown)
            shown << QChar(u"i!x?"[int(m.icon) - 1]) + QString(" %1: %2").arg(m.title, m.text);
        return shown.join(u'|');
    }

private slots:
    void init() { fix.reset(); }
    void cleanup() { fix.close(); }

    void coloursAreAddedUnderATypedSchemeName()
    {
        for (const char* name : {"x.col", "x.COL", "abccol", "col", ".hidden.col", "\t.col"})
            writeBytes(fix.file(name), Red);
        QDir(fix.folder->path()).mkdir("dir.col");
        open();
        QVERIFY(win->cboColourScheme->currentText().isEmpty() && listed() == " | \t,ab,x");
        // A scheme name is a file name: other characters are dropped as typed.
        QTest::keyClicks(win->cboColourScheme, "n!e=w/");
        for (const auto& [name, colour] : {std::pair{" Sky ", 16436871}, {"Skyline", 8388608}}) {
            fix.window->SetFormColours(colour);
            typeInto(win->txtEnterColName, name);
            QTest::mouseClick(win->cmdADDColour, Qt::LeftButton);
        }
        QCOMPARE(listed(), "Sky,Skyline | \t,ab,x,new");
        QCOMPARE(bytesOf(file("new")), "[Sky]\r\n1=16436871\r\n[Skyline]\r\n1=8388608\r\n");
        // A colour name must fit its line of the list; editing keys and pasting still work.
        QLineEdit* name = win->txtEnterColName;
        QTest::keyClicks(name, QString(200, 'W'));
        const QString full = name->text();
        QVERIFY(name->fontMetrics().horizontalAdvance(full) >= Twips::toPixelsX(2100));
        QVERIFY(name->fontMetrics().horizontalAdvance(full.chopped(1)) < Twips::toPixelsX(2100));
        QGuiApplication::clipboard()->setText("pasted");
        QTest::keyClicks(name, "\bW");
        QTest::keySequence(name, QKeySequence::Paste);
        QTest::keyClick(name, 'W');
        QCOMPARE(name->text(), full + "pasted");
        // No file takes a name this long: the colour is neither stored nor listed, as is said.
        typeInto(win->cboColourScheme->lineEdit(), QString(300, 'n'));
        QTest::mouseClick(win->cmdADDColour, Qt::LeftButton);
        QVERIFY(listed() == " | \t,ab,x,new" && name->text() == full + "pasted");
        // Nor is a listed name that no scheme may have read.
        choose("\t");
        QVERIFY(listed().startsWith(" | "));
        QCOMPARE(said(), "x Error: The scheme could not be saved in " + file(QString(300, 'n')) +
                             ":\r\nFile name too long|" + Alphanumeric);
    }

    // Commands clicked after the setup: s chosen or a name pasted in the combo ("scheme="; @ is the
    // program folder's name), line 1 pressed, s made a folder (-s) or gamma made (+gamma) behind
    // the window's back, the folder read-only, the colour name typed ("name="), No answered, the
    // new name typed in the dialog ("dialog="; "paste:" pastes it; ⇤ ⌦ press Home, Delete; a last
    // \r or \x1b Enter or Esc, else Rename is clicked). Read: messages, lists / file s.
    void eachCommandRefusesOrDoesItsWork_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("after");
        const QString load = "! Error: Please load a Colour to Continue  ",
                      scheme = "! Error: Please Select a Scheme Name to Continue.  ",
                      sure = "? Warning: Do you Really want to Delete  ",
                      warn = "! Warning: You are about to Delete a Colour\r\n     Continue (Y/N)  ",
                      taken = "! Error: A Scheme already exists with this name.  ",
                      exists = "i Error: This Colour Name Already Exitsts.";
        auto row = [](const char* name, const char* command, QString setup, QString shown,
                      QString after = {}) {
            const QString all = setup.contains("chosen") ? "Red,Reddish | s,z / " : " | s,z / ";
            QTest::newRow(name) << command << setup << shown << (after.size() ? after : all + Reds);
        };
        row("nothing chosen", "Select Colour|Del Colour|Rename|Del Scheme|Rename Scheme|Add Colour",
            "name=Lime", QStringList({load, load, load, scheme, scheme, scheme}).join(u'|'));
        row("no line, no name", "Del Colour|Rename|Add Colour", "chosen",
            "! Error: Please Select a Colour to Delete first  |! Error: Please Select a Colour to "
            "Rename first  |! Error: Please enter a Colour Name to Continue.  ");
        row("add, the start of one, blanks round it", "Add Colour", "chosen name= rEDD ", exists);
        row("add, a typed scheme's file holds it", "Add Colour", "scheme=s name=red", exists);
        row("scheme outside", "Add Colour|Del Scheme|Rename Scheme", "scheme=../@ name=Lime",
            Alphanumeric + '|' + Alphanumeric + '|' + Alphanumeric);
        row("delete, No", "Del Colour|Del Scheme", "chosen line No", warn + '|' + sure);
        row("delete colour", "Del Colour", "chosen line", warn, "Red | s,z / " + Red);
        row("delete scheme", "Del Scheme", "chosen", sure, " | z / " + Missing);
        row("rename colour, refused keys, Delete, Enter", "Rename",
            "chosen line dialog=xLi!m=e⇤⌦\r", "", "Red,Lime | s,z / " + Red + "[Lime]\r\n1=5\r\n");
        row("rename colour, Esc", "Rename", "chosen line dialog=Lime\x1b", "");
        row("rename colour, taken", "Rename", "chosen line dialog=red",
            "i Duplicate Section: red allready exists.  ~(RenameSection)");
        row("renamed", "Rename Scheme", "chosen dialog=B", "", "Red,Reddish | B,z / <missing>");
        row("rename scheme, empty", "Rename Scheme",
            "chosen dialog=", "! Error: Please enter a new Scheme Name  ");
        row("rename scheme, a folder in its place", "Rename Scheme", "chosen -s dialog=Beta",
            "! Error: Scheme does not exist with this name.  ", "Red,Reddish | s,z / " + Missing);
        row("rename scheme, other case", "Rename Scheme", "chosen dialog=Z", taken);
        // A file made since the combo was filled is not overwritten.
        row("made since listed", "Rename Scheme", "chosen +gamma dialog=gamma", taken);
        row("rename scheme, pasted slash", "Rename Scheme", "chosen dialog=paste:a/b", "",
            "Red,Reddish | ab,z / " + Missing);
        row("rename scheme, leading dot", "Rename Scheme", "chosen dialog=.x", Alphanumeric);
        row("rename scheme, nowhere to write", "Rename Scheme", "chosen readonly dialog=Beta",
            "! Error: The scheme could not be renamed: <d>/Beta.col could not be written.");
    }
    void eachCommandRefusesOrDoesItsWork()
    {
        QFETCH(QString, command);
        QFETCH(QString, setup);
        store("tintwell/settings/ontop", "1");
        writeBytes(file("z"), "");
        open(Reds, setup.contains("chosen"));
        QString in = setup.section("scheme=", 1).section(' ', 0, 0); // pasted into the combo
        QGuiApplication::clipboard()->setText(in.replace("@", QDir(fix.folder->path()).dirName()));
        if (!in.isEmpty()) win->cboColourScheme->lineEdit()->paste();
        if (setup.contains("readonly")) ProgramFolder::setOverride(fix.folder->path(), false);
        qputenv("XDG_DATA_HOME", file("s").toLocal8Bit()); // so no per-user folder can be made
        if (setup.contains("line")) pressLine(1);
        if (setup.contains("-s")) QFile::remove(file("s")), QDir().mkdir(file("s"));
        if (setup.contains("+gamma")) writeBytes(file("gamma"), Red);
        typeInto(win->txtEnterColName, setup.section("name=", 1));
        if (setup.contains("No")) fix.messages.answers.fill(MessageBoxes::Answer::No, 2);
        const QString typed = setup.section("dialog=", 1);
        QString fields; // the dialog's title, boxes (the new name still empty), offset; |open
        QTimer::singleShot(0, win, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            const QList<QLineEdit*> boxes = dialog->findChildren<QLineEdit*>();
            fields = dialog->windowTitle();
            for (QLineEdit* box : boxes)
                fields += u'|' + box->text();
            fields += QStringLiteral("|%1").arg(dialog->x() - win->x() - Twips::toPixelsX(500));
            QGuiApplication::clipboard()->setText(typed.section("paste:", 1));
            if (typed.startsWith("paste:")) QTest::keySequence(boxes[1], QKeySequence::Paste);
            for (const QChar c : typed.startsWith("paste:") ? QString() : typed)
                if (c == u'⇤')
                    QTest::keyClick(boxes[1], Qt::Key_Home);
                else if (c == u'⌦') // with the text X11 gives it
                    QTest::sendKeyEvent(QTest::Click, boxes[1], Qt::Key_Delete, "\x7f", {});
                else
                    QTest::keyClicks(boxes[1], c);
            if (!typed.endsWith('\r') && !typed.endsWith('\x1b'))
                QTest::mouseClick(button(dialog, "Rename"), Qt::LeftButton);
            if (dialog->isVisible()) fields += "|open", dialog->reject();
        });
        fix.windows.calls.clear();
        for (const QString& each : command.split(u'|'))
            QTest::mouseClick(button(win, each), Qt::LeftButton);
        QCoreApplication::processEvents(); // without a dialog the timer must not outlive the test
        isolateUserFolders();              // the data folder back
        QTEST(said().replace(file("s") + "/Tintwell", "<d>"), "shown");
        QTEST(listed() + " / " + bytesOf(file("s")), "after");
        QVERIFY(!QFile::exists(fix.file(".col")) && !QFile::exists(fix.folder->path() + ".col"));
        if (setup.contains("+gamma")) QCOMPARE(bytesOf(file("gamma")), Red);
        QCOMPARE(fields.isEmpty() && fix.windows.calls.isEmpty(), !setup.contains("dialog="));
        if (!setup.contains("dialog=")) return; // no dialog, no band change
        const bool colour = command == "Rename";
        const QString form = colour ? "frmRename" : "frmRenameScheme";
        QCOMPARE(fix.windows.calls,
                 QStringList({"top:" + form, "untop:" + form, "top:frmColourPicker"}));
        const QString kept = said().startsWith('!') ? "|open" : ""; // its refusals, the warnings
        QCOMPARE(fields, (colour ? "Rename Colour|Reddish||5|s|1|0" : "Rename Scheme|s||0") + kept);
    }

    // s is a link to a file only its owner and group may read, beside an older version's work file.
    void loadingConvertsOldSchemesWholeAndOnlyReadsIniOnes_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("shown"); // the colours listed / what it said
        QTest::addColumn<QByteArray>("after");
        const QString failed = " / x Error: There was a error loading this Scheme  ";
        auto row = [](const char* name, const QByteArray& content, const QString& shown,
                      const QByteArray& after = {}) {
            QTest::newRow(name) << content << shown << (after.isNull() ? content : after);
        };
        // Channels clamp to 0..255; blank lines are skipped.
        row("old form", "Sky, 1.35e2,206,250\r\nHot,300,0,-5\r\n\r\n", "Sky,Hot / ",
            "[Sky]\r\n1=16436871\r\n[Hot]\r\n1=255\r\n");
        // A name used twice keeps its first section, which takes the later colour.
        row("old form, a name twice", "Sky,1,0,0\nsky,2,0,0\n", "Sky,sky / ", "[Sky]\r\n1=2\r\n");
        row("old form, blank lines only", " \r\n\r\n", " / ");
        row("old form, Windows-1252, lone CRs", "Caf\xE9,1,2,3\rT\xE8,4,5,6", "Café,Tè / ",
            "[Caf\xC3\xA9]\r\n1=197121\r\n[T\xC3\xA8]\r\n1=394500\r\n");
        // A conversion that fails part way leaves the file whole.
        row("old form, cut short", "A,1,2,3\r\nB,1,2\r\n", "A" + failed);
        row("channel no number", "Red,1e,0,0\r\n", failed);
        row("name no header", QByteArray("Re\0d,1,1,1\r\n", 12), failed);
        row("long line", QByteArray(4 << 20, 'x'), failed);
        row("far too big to read", Red + QByteArray(17 << 20, ';'), failed);
        // An INI scheme is only read.
        row("INI, no key 1", "[Red]\n2=5\n[Blue]\r\n1=9", "Red,Blue / ");
        row("INI, value no number", "[Red]\r\n1=5\r\n[Blue]\r\n1=blue\r\n", "Red" + failed);
        row("INI, value past int", "[Red]\r\n1=99999999999\r\n", failed);
    }
    void loadingConvertsOldSchemesWholeAndOnlyReadsIniOnes()
    {
        QFETCH(QByteArray, content);
        writeBytes(fix.file("schemeTemp$$$.col"), RGB);
        const QFile::Permissions mode(0x6640); // read and write for the owner, read for the group
        writeBytes(fix.file("target"), "");
        QVERIFY(QFile::setPermissions(fix.file("target"), mode) &&
                QFile::link(fix.file("target"), file("s")));
        open(content);
        QTEST(listed().section(" | ", 0, 0) + " / " + said(), "shown");
        choose("s"); // a second load finds the file as the first left it
        QTEST(bytesOf(file("s")), "after");
        // The work file may hold colours a cut-short conversion never moved: it is left alone.
        QCOMPARE(bytesOf(fix.file("schemeTemp$$$.col")), RGB);
        QVERIFY(QFileInfo(file("s")).isSymLink() && QFile::permissions(fix.file("target")) == mode);
    }

    void theChosenLineStaysInViewAndItsColourBecomesTheMainWindows()
    {
        writeBytes(file("one"), Red);
        QByteArray many = RGB;
        for (int i = 3; i < 30; ++i)
            many += "[C" + QByteArray::number(i) + "]\r\n1=0\r\n";
        open(many);
        pressLine(1);
        for (const QString way : {"Select Colour", "double-click", "Enter"}) {
            fix.window->SetFormColours(0);
            if (way == "Select Colour") QTest::mouseClick(win->cmdSelectColour, Qt::LeftButton);
            if (way == "double-click") QTest::mouseDClick(lines, Qt::LeftButton, {}, {20, 22});
            if (way == "Enter") QTest::keyClick(lines, Qt::Key_Return);
            QVERIFY2(fix.window->txtHexCodeHtml->text() == "\"#00FF00\"", qPrintable(way));
        }
        for (const auto key : {Qt::Key_Down, Qt::Key_Up}) {
            for (int move = 0; move < 29; ++move) {
                QTest::keyClick(lines, key);
                const int top = lines->y() + 15 * win->devColorSelect1->ListIndex(); // in the view
                QVERIFY(top >= 0 && top + 15 <= lines->parentWidget()->height());
            }
            QCOMPARE(win->devColorSelect1->ListIndex(), key == Qt::Key_Down ? 29 : 0);
        }
        // The line pressed last is past the end of the shorter scheme now listed.
        pressLine(2);
        choose("one");
        fix.window->SetFormColours(0x123456);
        QTest::mouseClick(win->cmdSelectColour, Qt::LeftButton);
        QTest::keyClick(lines, Qt::Key_Return);
        QCOMPARE(fix.window->picShowColour->BackColor(), 0x123456);
        // Esc reaches the window from the list, which has no use for it.
        fix.windows.calls.clear();
        QTest::keyClick(lines, Qt::Key_Escape);
        QVERIFY(!win->isVisible() && fix.windows.calls == QStringList{"untop:frmCustomColour"});
        QVERIFY(!stored("tintwell/FormSettings/frmCustomColour Top").isEmpty());
    }
};

TINTWELL_TEST_MAIN(tst_frmCustomColour)
#include "tst_frmCustomColour.moc"
