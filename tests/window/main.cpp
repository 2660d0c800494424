#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
#ifndef ORVALEN_PLATFORM
#define ORVALEN_PLATFORM "offscreen"
#endif
    qputenv("QT_QPA_PLATFORM", ORVALEN_PLATFORM);
#ifdef ORVALEN_SCALE_FACTOR
    qputenv("QT_SCALE_FACTOR", ORVALEN_SCALE_FACTOR);
#endif
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
