#include "Files.h"
#include "INI.h"
#include "StandIns.h"
#include "TestMain.h"

#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

const QByteArray Missing = "<missing>", Same = "<same>";
const QDateTime Stamp(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);

class tst_INI : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString file() const { return dir.filePath("Scheme.col"); }

    // Stamped with an old time, so that a rewrite shows even when it writes the same bytes.
    void put(const QByteArray& text)
    {
        QFile::remove(file());
        if (text == Missing) return;
        TestSupport::writeBytes(file(), text);
        QFile out(file());
        QVERIFY(out.open(QIODevice::Append) && out.setFileTime(Stamp, QFile::FileModificationTime));
    }
    QString run(const QStringList& call) const
    {
        const QString op = call[0], a = call.value(1), b = call.value(2);
        QStringList results; // get: section, key...; its default "-1 " comes back bare
        for (qsizetype i = 1; op == "get" && i < call.size(); i += 2)
            results << INI::GetKeyVal(file(), call[i], call[i + 1], "-1 ");
        for (const QString& name : call.mid(1))
            if (op == "valid") results << QString::number(INI::IsValidName(name));
        if (op == "names") results = INI::GetSectionNames(file());
        if (op == "exists") results << QString::number(INI::SectionExists(file(), a));
        if (op == "add") results << QString::number(INI::AddToINI(file(), a, b, call.value(3)));
        if (op == "rename") results << QString::number(INI::RenameSection(file(), a, b));
        if (op == "delete") INI::DeleteSection(file(), a);
        return results.join(u'|');
    }

private slots:
    // call: operation|arguments;... in turn, "!" first to run them under a 1 KiB file size limit;
    // after: the file's bytes, Same when not even rewritten; message: icon|title of each shown.
    void operationsFollowTheTextRulesAndTouchNothingElse_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("message");
        auto row = [](const char* name, QByteArray before, QString call, QString result,
                      QByteArray after = Same, const char* message = "") {
            QTest::newRow(name) << before << call << result << after << message;
        };
        const QByteArray a(999, 'x'), big = "[A]\r\n1=1\r\n" + QByteArray(2000, ';') + "\r\n";
        // Old Mac tools end lines with a lone CR; a write keeps every line's own end.
        row("blanks, case, LF, CR, unended", " \t[ Red ]\f\n\v 1 \t=  255 \r[B]\r1=2",
            "get|rED |1|b|1;exists| rED ", "255|2;1");
        row("quotes, first key and section, not keys",
            "6=0\n[A]\n1= \"a=b \" \n2='x'\n3=\"x'\n1=2\n;6=9\n6\n =7\n[B\n4=5\n[a]\n5=6\n",
            "get|A|1|A|2|A|3|A|4|A|5|A|6|A|", "a=b |x|\"x'|5|-1|-1|-1");
        row("unicode case, byte-order mark", "\xEF\xBB\xBF[Grün]\r\n1=3\r\n", "get|GRÜN|1", "3");
        // The cut to 999 bytes never splits a UTF-8 character.
        row("cut to 999 bytes", "[A]\n1=" + a + "bc\n2=" + a.first(998) + "é\n3=\"" + a + "b\"",
            "get|A|1|A|2|A|3", a + '|' + a.first(998) + '|' + a);
        row("12 MiB line", "[S]\r\n1=" + QByteArray(12 << 20, 'x') + "\r\n[T]", "get|S|1", a);
        // A first NUL leaves the whole file one line of nothing.
        QByteArray junk = QCryptographicHash::hash("", QCryptographicHash::Sha512).repeated(1024);
        row("binary junk", junk.prepend('\0').replace('\n', '\0'), "names", "");
        // Case is folded a character at a time, here and below: "ß" is no "SS", "ﬁ" no "FI".
        row("sections", "x[X]\n;[Y]\n[B]\n[a]\n1=[Z]\n[A]\n  [ c ]  \n[Straße]\n[STRASSE]\n",
            "names", "B|a|c|Straße|STRASSE");
        // Not UTF-8: Windows-1252 (é, è two names), written so until a character does not fit.
        row("Windows-1252", "[Caf\xE9]\n1=1\n[Caf\xE8]\n1=2\n", "add|CAFÈ|1|Crème", "1",
            "[Caf\xE9]\n1=1\n[Caf\xE8]\n1=Cr\xE8me\n");
        row("add past Windows-1252", "[Caf\xE9]\r\n1=1\r\n", "add|Snow ☃|1|5", "1",
            "[Caf\xC3\xA9]\r\n1=1\r\n[Snow \xE2\x98\x83]\r\n1=5\r\n");
        // The Kelvin sign must not pass as a "k".
        row("valid names", Missing, "valid|a!|a=b|a\tb|é|\u212A|(Dark) & [x]_.-+09|",
            "0|0|0|0|0|1|1");
        row("no file, then a new one", Missing, "get|A|1;delete|A;rename|A|B;add| Red |1|255",
            "-1;;0;1", "[Red]\r\n1=255\r\n", "2|INI File Not Found\n3|File Not Found");
        // A new header is not joined onto an unended last line.
        row("after unended LF line", "[A]\n1=1", "add|B|1|2", "1", "[A]\n1=1\n[B]\n1=2\n");
        row("value in place", "[A]\r1=5\r\n[B]\n 1 = 9 \r;x\n", "add|b|1|7", "1",
            "[A]\r1=5\r\n[B]\n 1 =7\r;x\n");
        // A new line ends as the file's first line does.
        row("after last key", "[A]\r1=1\r\n;\r", "add|A|2|5", "1", "[A]\r1=1\r\n2=5\r;\r");
        row("first of two", "[ﬁsh]\n1=1\n[FISH]\n1=2\n[Fish]\n1=4\n", "add|fish|1|3", "1",
            "[ﬁsh]\n1=1\n[FISH]\n1=3\n[Fish]\n1=4\n");
        row("delete every copy", "; top\r[Strasse]\r1=1\r\n\n[Straße]\n[STRASSE]\r1=2\n",
            "delete|strasse", "", "; top\r[Straße]\n");
        row("rename in place", "\n\n[A]\n1=1\n\n[B]\n\n1=2\n  \n[C]\n1=3", "rename|B|a]b [x]", "1",
            "[A]\n1=1\n\n[a]b [x]]\n\n1=2\n  \n[C]\n1=3\n");
        // Same value, line break, header key, absent, other case; " C" is taken while C is there.
        row("refused or unchanged, no write", "; top\n[A]\n1=1\n\n[B]\n1=2\n\n[C]\n1=3",
            "add|a|1|1;add|A|1|x\n[D];add|A|[D]|1;delete|D;rename|D|E;rename|a|E;rename|A| c",
            "1;0;0;;0;0;0", Same, "1|Section Not Found.\n1|Duplicate Section");
        // A write that fails part way leaves the file as it was, and says so.
        row("no room", big, "!rename|A|B;add|A|1|2", "0;0", Same, "3|Error\n3|Error");
        // A byte-order mark stays one when a Windows-1252 file becomes UTF-8; a change that
        // leaves Windows-1252 text valid UTF-8 turns it into UTF-8, so no name reads otherwise.
        row("add past Windows-1252, marked", "\xEF\xBB\xBF[Caf\xE9]\r\n", "add|Snow ☃|1|5", "1",
            "\xEF\xBB\xBF[Caf\xC3\xA9]\r\n[Snow \xE2\x98\x83]\r\n1=5\r\n");
        row("change leaves valid UTF-8", "[Caf\xC3\xA9]\n1=\xE9\n", "add|CafÃ©|1|x", "1",
            "[Caf\xC3\x83\xC2\xA9]\n1=x\n");
    }
    void operationsFollowTheTextRulesAndTouchNothingElse()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, call);
        QFETCH(QByteArray, after);
        put(before);
        RecordingMessageBoxes boxes;
        // The limit binds root too; with SIGXFSZ ignored a write past it fails with EFBIG.
        rlimit normal{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &normal), 0);
        const rlimit small{call.startsWith(u'!') ? 1024 : normal.rlim_cur, normal.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        QStringList results;
        for (const QString& each : call.mid(call.startsWith(u'!')).split(u';'))
            results << run(each.split(u'|'));
        setrlimit(RLIMIT_FSIZE, &normal);
        std::signal(SIGXFSZ, handler);
        QTEST(results.join(u';'), "result");
        QCOMPARE(TestSupport::bytesOf(file()), after == Same ? before : after);
        // Nothing beside the file: no work file outlives a write.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(),
                 TestSupport::bytesOf(file()) == Missing ? 0 : 1);
        if (after == Same && before != Missing) QCOMPARE(QFileInfo(file()).lastModified(), Stamp);
        QStringList shown;
        for (const auto& s : boxes.shown)
            shown << QStringLiteral("%1|%2").arg(int(s.icon)).arg(s.title);
        QTEST(shown.join(u'\n'), "message");
    }

    // A device never ends for a reader, and is no file to write into.
    void devicesAreNeitherReadNorWritten()
    {
        RecordingMessageBoxes boxes;
        put(Missing);
        QVERIFY(QFile::link("/dev/zero", file()));
        QCOMPARE(QStringList({run({"names"}), run({"get", "A", "1"}), run({"add", "A", "1", "2"})}),
                 QStringList({"", "-1", "0"}));
        QCOMPARE(QFileInfo(file()).symLinkTarget(), "/dev/zero");
        QCOMPARE(boxes.shown.value(0).text,
                 "The scheme could not be saved in " + file() + ":\r\nIt could not be read.");
    }
};

TINTWELL_TEST_MAIN(tst_INI)
#include "tst_INI.moc"
