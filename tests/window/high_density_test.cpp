#include <QImageReader>

#include "window_fixture.h"

namespace orvalen {
namespace {

using testing::WindowTest;

// The pictures drawn for twice the density, straight from the resources.
QImage HighDensity(PictureId id) {
    return QImage(QString::fromStdString(":/assets/2x/" + PictureFile(id))).convertToFormat(QImage::Format_RGB32);
}

TEST_F(WindowTest, AtRatioTwoTheSlotsHoldThePicturesDrawnForThatDensity) {
    ASSERT_EQ(qApp->devicePixelRatio(), 2);
    const QImage shot = Shot();
    ASSERT_EQ(shot.size(), QSize(566, 772)) << "the model stays in logical pixels";
    EXPECT_EQ(runtime.clockWindow().size(), QSize(283, 386));
    struct At {
        int x, y;
        PictureId picture;
    };
    const At expected[] = {
        {32, 320, BankEntry(Bank::LargeDigits, 8)},
        {128, 335, BankEntry(Bank::DialFrames, 78)},
        {252, 320, BankEntry(Bank::Numbers, 18)},
        {0, 28, picture::Emblem},
    };
    for (const At& a : expected) {
        const QImage picture = HighDensity(a.picture);
        // Clipped to the window, like the emblem at its right edge.
        const QRect device = QRect(a.x * 2, a.y * 2, picture.width(), picture.height()) & shot.rect();
        EXPECT_EQ(shot.copy(device), picture.copy(0, 0, device.width(), device.height())) << PictureFile(a.picture);
    }
}

}  // namespace
}  // namespace orvalen
