#pragma once

#include <QApplication>
#include <QTest>

namespace TestSupport {

// Points the XDG folders (config, data, runtime) at fresh temporary folders before anything reads
// them, so no test touches the user's real settings. Returns the root of those folders.
QString isolateUserFolders();

} // namespace TestSupport

// QTEST_MAIN with the user folders isolated first and the application name of the real program.
#define TINTWELL_TEST_MAIN(TestObject)                                                             \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        TestSupport::isolateUserFolders();                                                         \
        QApplication app(argc, argv);                                                              \
        QApplication::setApplicationName(QStringLiteral("tintwell"));                              \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
