#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Widgets are driven without a screen unless the caller asks for one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Tests never reach this machine's print system: a print server that is not there answers at
    // once that there is none. Tests that need one script it.
    qputenv("CUPS_SERVER", "/nonexistent/zorva-tests/cups.sock");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
