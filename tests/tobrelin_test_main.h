#pragma once

#include "tapplication.h"

#include <QTest>

// Like QTEST_MAIN, but with the program's own application object, so that the suites see its
// input loop, fonts, cursors and resources.
#define TOBRELIN_TEST_MAIN(TestClass)                                                                          \
    int main(int argc, char *argv[])                                                                           \
    {                                                                                                          \
        TApplication app(argc, argv);                                                                          \
        TestClass test;                                                                                        \
        QTEST_SET_MAIN_SOURCE_PATH                                                                             \
        return QTest::qExec(&test, argc, argv);                                                                \
    }
