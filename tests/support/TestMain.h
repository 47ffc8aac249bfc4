#pragma once

#include "Files.h"

#include <QApplication>
#include <QTest>

// QTEST_MAIN with the user folders isolated first and the application name of the real program.
#define TINTWELL_TEST_MAIN(TestObject)                                                             \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        TestSupport::isolateUserFolders();                                                         \
        QApplication app(argc, argv);                                                              \
        QApplication::setApplicationName(QStringLiteral("tintwell"));                              \
        TestObject tc;                                                                             \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
