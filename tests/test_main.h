#pragma once

#include "core/end_process.h"

#include <QTest>

// QTEST_MAIN, QTEST_GUILESS_MAIN and QTEST_APPLESS_MAIN, ending as ZORT's programs end
// (endProcess): a hang at the end then shows in a test rather than only in a program.
#define ZORT_TEST_MAIN_WITH(TestObject, ...)                                                       \
    namespace {                                                                                    \
    int runTests(int argc, char *argv[])                                                           \
    {                                                                                              \
        __VA_ARGS__                                                                                \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }                                                                                              \
    }                                                                                              \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        return endProcess(runTests(argc, argv));                                                   \
    }
#define ZORT_TEST_MAIN(TestObject) ZORT_TEST_MAIN_WITH(TestObject, QTEST_MAIN_SETUP())
#define ZORT_TEST_GUILESS_MAIN(TestObject) ZORT_TEST_MAIN_WITH(TestObject, QTEST_QAPP_SETUP(QCoreApplication))
#define ZORT_TEST_APPLESS_MAIN(TestObject) ZORT_TEST_MAIN_WITH(TestObject)
