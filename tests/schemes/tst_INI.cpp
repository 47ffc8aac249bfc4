#include "INI.h"
#include "StandIns.h"
#include "TestMain.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

namespace {

const QByteArray Missing = "<no file>";
const QDateTime Stamp(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);

QByteArray crlf(QByteArray text)
{
    return text.replace("\n", "\r\n");
}

} // namespace

class tst_INI : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString file() const { return dir.filePath("Scheme.col"); }

    // Stamped with an old time, so that a rewrite shows even when it writes the same bytes.
    void put(const QByteArray& text)
    {
        QFile::remove(file());
        QFile out(file());
        if (text == Missing) return;
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        QCOMPARE(out.write(text), text.size());
        QVERIFY(out.setFileTime(Stamp, QFileDevice::FileModificationTime));
    }
    QByteArray contents() const
    {
        QFile in(file());
        return in.open(QIODevice::ReadOnly) ? in.readAll() : Missing;
    }
    bool untouched(const QByteArray& text) const
    {
        return contents() == text && QFileInfo(file()).lastModified() == Stamp &&
               QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size() == 1;
    }

private slots:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("sectionKeyValue");
        const QByteArray a(999, 'x');
        auto row = [](const char* name, const QByteArray& text, const QStringList& call) {
            QTest::newRow(name) << text << call;
        };
        row("case ignored", "[Red]\r\n1=255\r\n", {"rED", "1", "255"});
        row("blanks ignored", " \t[ Red ] \r\n  1 \t=  255 \r\n", {" Red ", " 1", "255"});
        row("LF lines", "[A]\n1=1\n[B]\n1=2\n", {"b", "1", "2"});
        row("last line unended", "[A]\r\n1=7", {"A", "1", "7"});
        row("split at first =", "[A]\r\n1=a=b\r\n", {"A", "1", "a=b"});
        row("double quotes", "[A]\r\n1= \" x \" \r\n", {"A", "1", " x "});
        row("single quotes", "[A]\r\n1='x'\r\n", {"A", "1", "x"});
        row("unpaired quotes", "[A]\r\n1=\"x'\r\n", {"A", "1", "\"x'"});
        row("name to last ]", "[a]b [x]] \r\n1=5\r\n", {"a]b [x]", "1", "5"});
        row("first section only", "[A]\r\n1=1\r\n[a]\r\n2=3\r\n", {"A", "2", "-1"});
        row("first key", "[A]\r\n1=1\r\n1=2\r\n", {"A", "1", "1"});
        row("not keys", "1=9\r\n[A]\r\n;1=9\r\n1\r\n", {"A", "1", "-1"});
        row("[ without ]", "[A]\r\n[B\r\n1=2\r\n", {"A", "1", "2"});
        row("unicode case", "[Grün]\r\n1=3\r\n", {"GRÜN", "1", "3"});
        row("byte-order mark", "\xEF\xBB\xBF[A]\r\n1=4\r\n", {"A", "1", "4"});
        row("999 bytes", "[A]\r\n1=" + a + "\r\n", {"A", "1", a});
        row("cut to 999", "[A]\r\n1=" + a + "bc\r\n", {"A", "1", a});
        row("no half character", "[A]\r\n1=" + a.first(998) + "é\r\n", {"A", "1", a.first(998)});
        row("unquoted, then cut", "[A]\r\n1=\"" + a + "b\"\r\n", {"A", "1", a});
        row("missing file", Missing, {"A", "1", "-1"});
        row("not a number", "[S]\n1=abc\n", {"S", "1", "abc"});
        row("50 MB line", "[S]\r\n1=" + QByteArray(50 << 20, 'x') + "\r\n[T]", {"S", "1", a});
        QByteArray junk(1, '\0'); // a first byte that leaves the whole file one line of nothing
        for (int i = 0; i < 65536; ++i)
            junk += char(QRandomGenerator::global()->bounded(256));
        row("binary junk", junk.replace('\n', '\0'), {"S", "1", "-1"});
    }
    void reading()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, sectionKeyValue);
        put(text);
        // The default loses its trailing blanks, as it always has.
        QCOMPARE(INI::GetKeyVal(file(), sectionKeyValue[0], sectionKeyValue[1], "-1 "),
                 sectionKeyValue[2]);
        INI::GetSectionNames(file());
        INI::SectionExists(file(), sectionKeyValue[0]);
        QVERIFY(text == Missing || untouched(text));
    }

    void sectionNames_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("file order, once each")
            << crlf("x[X]\n;[Y]\n[B]\n[a]\n1=[Z]\n[A]\n  [ c ]  \n") << QStringList{"B", "a", "c"};
        QTest::newRow("brackets in names")
            << crlf("[a]b [x]]\n[[x]\n[x]]\n") << QStringList{"a]b [x]", "[x", "x]"};
        QTest::newRow("missing file") << Missing << QStringList();
    }
    void sectionNames()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, names);
        put(text);
        QCOMPARE(INI::GetSectionNames(file()), names);
        for (const QString& name : names)
            QVERIFY(INI::SectionExists(file(), u' ' + name.toLower() + u' '));
        QVERIFY(!INI::SectionExists(file(), "Colour"));
    }

    // call: operation|arguments...; message: icon|title|text, %1 standing for the path.
    void writing_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("message");
        auto row = [](const char* name, const QByteArray& before, const char* call,
                      const QByteArray& after, int result, const char* message = "") {
            QTest::newRow(name) << before << call << after << result << message;
        };
        const QByteArray abc = crlf("; top\n[A]\n1=1\n\n[B]\n1=2\n\n[C]\n1=3");
        row("new file", Missing, "add| Red |1|255", "[Red]\r\n1=255\r\n", 1);
        row("new section, LF kept", "[A]\n1=1\n", "add|B|1|2", "[A]\n1=1\n[B]\n1=2\n", 1);
        row("after unended line", "[A]\r\n1=1", "add|B|1|2", crlf("[A]\n1=1\n[B]\n1=2\n"), 1);
        row("value in place", crlf("; x\n[A]\n 1 = 1 \n\n[B]\n"), "add|a|1|9",
            crlf("; x\n[A]\n 1 =9\n\n[B]\n"), 1);
        row("key after last key", crlf("[A]\n1=1\n; x\n\n[B]\n"), "add|A|2|5",
            crlf("[A]\n1=1\n2=5\n; x\n\n[B]\n"), 1);
        row("first of two sections", crlf("[A]\n1=1\n[A]\n1=2\n"), "add|A|1|3",
            crlf("[A]\n1=3\n[A]\n1=2\n"), 1);
        row("same value, no write", abc, "add|a|1|1", abc, 1);
        row("line break refused", abc, "add|A|1|x\n[D]", abc, 0);
        row("header as key refused", abc, "add|A|[D]|1", abc, 0);
        row("delete to next header", abc, "delete|b", crlf("; top\n[A]\n1=1\n\n[C]\n1=3"), 0);
        row("delete absent, no write", abc, "delete|D", abc, 0);
        row("delete every copy", crlf("[A]\n1=1\n[B]\n[a]\n1=2\n"), "delete|A", "[B]\r\n", 0);
        row("delete, no file", Missing, "delete|A", Missing, 0,
            "2|INI File Not Found|File Not Found: %1\r\n"
            "Please refer To code in Function 'DeleteSection'");
        row("rename in place", "\n\n[A]\n1=1\n\n[B]\n\n1=2\n  \n[C]\n1=3", "rename|B|a]b [x]",
            "[A]\n1=1\n\n[a]b [x]]\n\n1=2\n  \n[C]\n1=3\n", 1);
        row("rename, case differs", "[red]\r\n1=1\r\n", "rename|Red|Blue", "[red]\r\n1=1\r\n", 0);
        row("rename last line", abc + "\r\n[D]", "rename|D|E", abc + "\r\n[D]", 0);
        row("rename absent", abc, "rename|D|E", abc, 0,
            "1|Section Not Found.|Section, D, Not Found. ~(RenameSection)\r\n"
            "Verify spelling and capitilization is correct.  Case-sensative.");
        row("rename to taken", abc, "rename|A| c", abc, 0,
            "1|Duplicate Section| c allready exists.  ~(RenameSection)");
        row("rename, no file", Missing, "rename|A|B", Missing, 0, "3|File Not Found|%1 not found.");
    }
    void writing()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, call);
        QFETCH(QByteArray, after);
        QFETCH(int, result);
        QFETCH(QString, message);
        put(before);
        RecordingMessageBoxes boxes;
        const QStringList a = call.split(u'|');
        int got = 0;
        if (a[0] == "add") got = INI::AddToINI(file(), a[1], a[2], a[3]);
        if (a[0] == "delete") INI::DeleteSection(file(), a[1]);
        if (a[0] == "rename") got = INI::RenameSection(file(), a[1], a[2]);
        QCOMPARE(got, result);
        QCOMPARE(contents(), after);
        if (after == before && before != Missing) QVERIFY(untouched(before));
        QStringList shown;
        for (const auto& s : boxes.shown) {
            QCOMPARE(s.buttons, MessageBoxes::Buttons::Ok);
            shown << QStringLiteral("%1|%2|%3").arg(int(s.icon)).arg(s.title, s.text);
        }
        QCOMPARE(shown, message.isEmpty() ? QStringList() : QStringList{message.arg(file())});
    }

    void everyAllowedCharacterRoundTrips()
    {
        for (const char* bad : {"a!", "a=b", "a\tb", "é", "\u212A" /* Kelvin sign */})
            QVERIFY2(!INI::IsValidName(QString::fromUtf8(bad)), bad);
        QStringList names = QStringLiteral("a]b [x]|[x|x]||Dark (red) & light+|Az 09 _.()[]&-+ "
                                           "BCDEFGHIJKLMNOPQRSTUVWXYZ bcdefghijklmnopqrstuvwxy")
                                .split(u'|');
        RecordingMessageBoxes boxes;
        put(Missing);
        for (const QString& name : names) {
            QVERIFY(INI::IsValidName(name));
            QVERIFY(INI::AddToINI(file(), name, "1", QString::number(name.size())));
        }
        QCOMPARE(INI::GetSectionNames(file()), names);
        for (QString& name : names) {
            QCOMPARE(INI::RenameSection(file(), name, name + "-2"), 1);
            name += "-2";
        }
        QCOMPARE(INI::GetSectionNames(file()), names);
        while (!names.isEmpty()) {
            QCOMPARE(INI::GetKeyVal(file(), names[0], "1", "-1").toInt(), names[0].size() - 2);
            INI::DeleteSection(file(), names.takeFirst());
            QCOMPARE(INI::GetSectionNames(file()), names);
        }
        QVERIFY(boxes.shown.isEmpty());
    }

    void failedWritesKeepTheFile()
    {
        const QByteArray text = "[A]\r\n1=1\r\n" + QByteArray(4000, ';') + "\r\n";
        put(text);
        // A file size limit binds root too; with SIGXFSZ ignored the write fails with EFBIG.
        rlimit normal{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &normal), 0);
        rlimit small = normal;
        small.rlim_cur = 1024;
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const int renamed = INI::RenameSection(file(), "A", "B");
        const bool added = INI::AddToINI(file(), "A", "1", "2");
        setrlimit(RLIMIT_FSIZE, &normal);
        std::signal(SIGXFSZ, handler);
        QCOMPARE(renamed, 0);
        QVERIFY(!added);
        QVERIFY(untouched(text));
        QCOMPARE(INI::RenameSection(file(), "A", "B"), 1);
    }

    // A device never ends for a reader, and is no file to write into.
    void devicesAreNeitherReadNorWritten()
    {
        put(Missing);
        QVERIFY(QFile::link("/dev/zero", file()));
        QCOMPARE(INI::GetSectionNames(file()), QStringList());
        QCOMPARE(INI::GetKeyVal(file(), "A", "1", "-1"), "-1");
        QVERIFY(!INI::AddToINI(file(), "A", "1", "2"));
        QVERIFY(QFile::remove(file()));
    }

    void randomFilesReadWithoutChange()
    {
        QByteArrayList pieces =
            QByteArray("[|]|=|;|\"| |\t|\r|\n|\r\n|1|Red|rED|\xC3\xA9|\xC3|\xEF\xBB\xBF")
                .split('|');
        pieces << QByteArray(1, '\0');
        QRandomGenerator random(20240611);
        for (int round = 0; round < 3000; ++round) {
            QByteArray text;
            for (int k = random.bounded(60); k > 0; --k)
                text += round % 5 ? pieces[random.bounded(pieces.size())]
                                  : QByteArray(1, char(random.bounded(256)));
            put(text);
            const QStringList names = INI::GetSectionNames(file());
            for (const QString& name : names) {
                QVERIFY2(INI::SectionExists(file(), name), text.toHex());
                INI::GetKeyVal(file(), name, "1", "-1");
            }
            QVERIFY2(untouched(text), text.toHex());
            if (round % 10 != 1) continue;
            // Writing into such a file keeps its sections readable and adds new ones at the end.
            QVERIFY(INI::AddToINI(file(), "fresh", "1", "v"));
            QCOMPARE(INI::GetSectionNames(file()), names + QStringList{"fresh"});
            QCOMPARE(INI::GetKeyVal(file(), "fresh", "1", "-1"), "v");
            if (names.isEmpty() || names[0].contains(QChar(0)) || names[0].contains(u'\r'))
                continue;
            QVERIFY(INI::AddToINI(file(), names[0], "1", "w"));
            QCOMPARE(INI::GetKeyVal(file(), names[0], "1", "-1"), "w");
            QCOMPARE(INI::GetSectionNames(file()), names + QStringList{"fresh"});
        }
    }
};

TINTWELL_TEST_MAIN(tst_INI)
#include "tst_INI.moc"
