#include "StandIns.h"
#include "TestMain.h"
#include "cOpenSaveDialog.h"

class tst_cOpenSaveDialog : public QObject {
    Q_OBJECT

    ScriptedFileDialog files;

private slots:
    // The filter reaches the dialog in pairs (kept with NULs), the folder with one "/", the name
    // whole (a longer one's tail once showed through). Flags lose 0x400 and ignore negatives; save
    // asks before overwriting, open takes existing files only. Errors: a cancel with CancelError,
    // a name too long for its buffer (with the size it needs, -1 when it cannot tell).
    void showingADialog_data()
    {
        QTest::addColumn<QString>("call");   // Save or Open, CancelError, buffer size, answer
        QTest::addColumn<QString>("result"); // what the dialog was asked, then got
        const auto row = [](const char* name, const char* call, const QString& result) {
            QTest::newRow(name) << QString(call) << result;
        };
        const QString tooSmall = "|12291|Common Dialog Save|The PathFileBufferSize is too small "
                                 "for the file name(s) specified by the user.";
        row("save", "Save 0 520 /d/new.zip", "/tmp/x|2|10|1|/d/new.zip|/d|zip|new.zip");
        row("open", "Open 0 520 /d/x", "/tmp/x|6144|01|1|/d/x|/d||x");
        row("cancel as error", "Open 1 520 ",
            "/tmp/x|6144|01|0|x||||0|-2147221504|Common Dialog Open|Cancel was seleted");
        row("name past buffer", "Save 0 10 /d/new.zip", "/tmp/x|2|10|0|x||||11" + tooSmall);
        row("tiny buffer", "Save 0 3 /d/x.zip", "/tmp/x|2|10|0|x||||-1" + tooSmall);
    }
    void showingADialog()
    {
        QFETCH(QString, call);
        const QStringList a = call.split(u' ');
        cOpenSaveDialog dialog;
        dialog.CancelError = a[1] == "1";
        dialog.setMaxFileSize(a[2].toInt());
        dialog.setFilter("Zip|*.zip|All|*");
        dialog.setFlags(0x1402);
        dialog.setFlags(-1);
        dialog.setInitDir("/tmp");
        dialog.setFileName("abc");
        dialog.setFileName("x");
        QCOMPARE(dialog.Filter(), QString::fromLatin1("Zip\0*.zip\0All\0*\0", 16));
        files.answer = a[3].isEmpty() ? std::nullopt : std::optional(a[3]);
        const auto outcome = a[0] == "Save" ? dialog.ShowSave(nullptr) : dialog.ShowOpen(nullptr);
        const FileDialog::Request asked = files.requests.constLast();
        QCOMPARE(asked.filters, (decltype(asked.filters){{"Zip", "*.zip"}, {"All", "*"}}));
        const auto n = [](int value) { return QString::number(value); };
        QStringList result{asked.directory + asked.fileName};
        result << n(dialog.Flags()) << n(asked.overwritePrompt) + n(asked.fileMustExist)
               << n(outcome.chosen) << dialog.FileName() << dialog.FilePath()
               << dialog.FileExtension() << dialog.FileTitle();
        if (outcome.error)
            result << n(dialog.MinimumBufferSizeRequired()) << n(outcome.error->Number)
                   << outcome.error->Source << outcome.error->Description;
        QTEST(result.join(u'|'), "result");
    }
};

TINTWELL_TEST_MAIN(tst_cOpenSaveDialog)
#include "tst_cOpenSaveDialog.moc"
