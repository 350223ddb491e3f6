#include <QApplication>

#include <gtest/gtest.h>

// GUI tests run on Qt's offscreen platform with a widget application.
int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
