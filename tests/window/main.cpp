#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef ORVALEN_SCALE_FACTOR
    qputenv("QT_SCALE_FACTOR", ORVALEN_SCALE_FACTOR);
#endif
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
