// Entry point of every test program that builds windows.
#include <gtest/gtest.h>

#include <clocale>

#include <QApplication>
#include <QEvent>

#if defined(__SANITIZE_ADDRESS__)
// Qt Charts leaves cycles of chart items behind when a chart swaps its axes, which the leak
// checker reports at exit. Leaks are checked in the test programs without windows.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}
#endif

int main(int argc, char* argv[]) {
    // The windows are built without a display unless a platform is chosen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Data files are written and read with the C number formats, as in the program.
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // Widgets removed during the tests are deleted on the next turn of the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
