// Loading a scheme of 100, 1 000 and 10 000 colours into the schemes window's list: the parse and
// the filling of the list, as choosing the scheme in the combo box does, without the first paint.
// Median and best of the runs, in milliseconds.
#include "ProgramFolder.h"
#include "SchemeHost.h"
#include "devColorSelect.h"
#include "frmCustomColour.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

class Host final : public QWidget, public SchemeHost {
public:
    int currentColour() const override { return 0; }
    void SetFormColours(int) override {}
    QWidget* hostWindow() override { return this; }
};

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    QTemporaryDir folder;
    ProgramFolder::setOverride(folder.path());
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    for (const int colours : {100, 1000, 10000}) {
        QFile file(folder.filePath(QStringLiteral("s%1.col").arg(colours)));
        if (!file.open(QIODevice::WriteOnly)) return 1;
        for (int i = 0; i < colours; ++i)
            file.write(
                QStringLiteral("[Colour number %1]\r\n1=%2\r\n").arg(i).arg(i * 977).toUtf8());
    }
    Host host;
    frmCustomColour schemes(host);
    QComboBox* combo = schemes.cboColourScheme;
    for (int i = 0; i < combo->count(); ++i) {
        QList<double> ms;
        for (int run = 0; run < runs; ++run) {
            combo->setCurrentIndex(i);
            QElapsedTimer timer;
            timer.start();
            emit combo->activated(i);
            ms << timer.nsecsElapsed() / 1e6;
            if (schemes.devColorSelect1->ListCount() == 0) return 1;
        }
        std::sort(ms.begin(), ms.end());
        std::printf("%-8s %6d colours: median %8.2f ms, best %8.2f ms\n",
                    qPrintable(combo->itemText(i)), schemes.devColorSelect1->ListCount(),
                    ms[ms.size() / 2], ms.first());
    }
    return 0;
}
