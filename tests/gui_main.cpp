#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // Headless everywhere, test discovery at build time included.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
