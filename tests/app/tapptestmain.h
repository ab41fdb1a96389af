#pragma once
// The main of the main window's tests: the program's own application
// object, so that event handlers nest as they do in the program (QTEST_MAIN
// would make a plain QApplication).
#include "tapplication.h"

#include <QTimer>
#include <QtTest>

// Runs the event loop as the program runs it, until something quits it
// (its result: the shutdown's 0) or for boundMs (2).
inline int runEventLoop(int boundMs = 10000)
{
    QTimer late;
    late.setSingleShot(true);
    QObject::connect(&late, &QTimer::timeout, [] { QCoreApplication::exit(2); });
    late.start(boundMs);
    return QCoreApplication::exec();
}

#define DVR_APP_TEST_MAIN(TestObject)                                                                                  \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        TApplication app(argc, argv);                                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        TestObject tc;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
