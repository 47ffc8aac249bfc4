#include "FrozenPick.h"
#include "frmColourPicker.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>

namespace {

// Exit codes of --pick: a colour printed, the user called the pick off, nothing could be picked.
enum PickExit { Picked = 0, Cancelled = 1, Failed = 2 };

// One pick over the frozen screen for a script or a keyboard shortcut: the colour goes to
// standard output and nothing is stored, neither in the palette nor in the settings.
int pickFromTheCommandLine()
{
    // The frozen screens close as the pick ends; the exit code is the pick's own.
    QApplication::setQuitOnLastWindowClosed(false);
    FrozenPick pick;
    QObject::connect(&pick, &FrozenPick::picked, [](int c) {
        std::printf("#%02X%02X%02X\n", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
        QCoreApplication::exit(Picked);
    });
    QObject::connect(&pick, &FrozenPick::cancelled, [] { QCoreApplication::exit(Cancelled); });
    QObject::connect(&pick, &FrozenPick::failed, [](const QString& message) {
        std::fprintf(stderr, "tintwell: %s\n", qPrintable(message));
        QCoreApplication::exit(Failed);
    });
    // From the event loop, which is what an exit ends.
    QTimer::singleShot(0, &pick, &FrozenPick::start);
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationVersion(QStringLiteral(TINTWELL_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tintwell, a colour picker for programmers and web designers."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption pick(
        QStringLiteral("pick"),
        QStringLiteral("Pick one colour from a still picture of the screen and print it as "
                       "#RRGGBB. Exits with 0 when a colour was picked, 1 when the pick was "
                       "called off (Escape, right click), 2 when nothing could be picked. "
                       "Stores nothing."));
    parser.addOption(pick);
    const auto answerHelpOrVersion = [&] {
        if (parser.isSet(help)) parser.showHelp(0);
        if (parser.isSet(version)) parser.showVersion();
    };

    // Help and the version need no display, so they come before the GUI does.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (parser.parse(arguments) && (parser.isSet(help) || parser.isSet(version))) {
        QCoreApplication core(argc, argv);
        answerHelpOrVersion();
    }

    QApplication app(argc, argv);
    // Qt's own options (-platform, -display and the like) are gone from the arguments now.
    if (!parser.parse(QApplication::arguments())) {
        std::fprintf(stderr, "tintwell: %s\nTry 'tintwell --help'.\n",
                     qPrintable(parser.errorText()));
        return 2;
    }
    answerHelpOrVersion();
    if (parser.isSet(pick)) return pickFromTheCommandLine();

    frmColourPicker window;
    window.show();
    return QApplication::exec();
}
