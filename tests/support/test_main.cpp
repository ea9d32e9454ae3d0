// The main of every test executable: a QApplication on the offscreen platform, so
// widget tests need no display.
#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    // ZELKOR_SOURCE_DIR and ZELKOR_BIN_DIR: the checkout and build/bin, unless set.
    if (!qEnvironmentVariableIsSet("ZELKOR_SOURCE_DIR")) qputenv("ZELKOR_SOURCE_DIR", ZELKOR_SOURCE_DIR_DEFAULT);
    if (!qEnvironmentVariableIsSet("ZELKOR_BIN_DIR")) qputenv("ZELKOR_BIN_DIR", ZELKOR_BIN_DIR_DEFAULT);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
