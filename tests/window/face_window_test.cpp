#include <QEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QRegion>

#include "common/units.h"
#include "layout/display_modes.h"
#include "layout/options.h"
#include "window_fixture.h"

namespace orvalen {
namespace {

using testing::WindowTest;

PictureId Large(int d) { return BankEntry(Bank::LargeDigits, d); }
PictureId Small(int d) { return BankEntry(Bank::SmallDigits, d); }
PictureId Number(int n) { return BankEntry(Bank::Numbers, n - 1); }

struct SlotAt {
    int x;
    int y;
    PictureId picture;
    int width = 0;  // 0: the whole picture
};

void ExpectShows(const QImage& shot, const SlotAt& slot) {
    QImage picture = WindowTest::Picture(slot.picture);
    if (slot.width) picture = picture.copy(0, 0, slot.width, picture.height());
    EXPECT_EQ(shot.copy(slot.x, slot.y, picture.width(), picture.height()), picture)
        << PictureFile(slot.picture) << " at " << slot.x << "," << slot.y;
}

TEST_F(WindowTest, TheNormalFaceShowsEverySlotsPictureAtItsPlace) {
    const QImage shot = Shot();
    ASSERT_EQ(shot.size(), QSize(283, 386));
    EXPECT_EQ(runtime.clockWindow().pos(), QPoint(353, 236));
    const SlotAt expected[] = {
        {4, 320, Large(1)},   {32, 320, Large(8)},    {60, 328, picture::Colon},
        {72, 320, Large(1)},  {100, 320, Large(0)},   {128, 335, BankEntry(Bank::DialFrames, 78)},
        {160, 320, Small(2)}, {172, 320, Small(0)},   {184, 320, Small(0)},
        {196, 320, Small(3)}, {212, 320, Number(4)},  {240, 320, picture::Slash},
        {252, 320, Number(19)}, {0, 28, picture::Emblem, 283},
        {4, 364, BankEntry(Bank::DimWeekdays, 0)},   {216, 364, BankEntry(Bank::DimWeekdays, 5)},
        {252, 364, BankEntry(Bank::BrightWeekdays, 6), 31},
    };
    for (const SlotAt& slot : expected) ExpectShows(shot, slot);
}

TEST_F(WindowTest, AnHourBelowTenLeavesTheTensSlotBlank) {
    clock.time = {2003, 4, 19, 9, 5, 7};
    Tick();
    ExpectShows(Shot(), {4, 320, Large(LargeBlank)});
}

TEST_F(WindowTest, AMondayLabelIsWideAndTuesdayStaysOnTopOfItsOverhang) {
    clock.time = {2003, 4, 21, 12, 0, 0};
    Tick();
    const QImage shot = Shot();
    ExpectShows(shot, {44, 364, BankEntry(Bank::BrightWeekdays, 1), 44});
    ExpectShows(shot, {88, 364, BankEntry(Bank::DimWeekdays, 2)});
}

// The window painted by hand: every visible element in stacking order.
QImage Composition(const MainWindow& model) {
    QImage image(model.WidthPixels(), model.HeightPixels(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (Element e : PaintOrder()) {
        const ElementState& s = model.elements[e];
        if (s.visible) painter.drawImage(TwipsToPixels(s.left), TwipsToPixels(s.top), WindowTest::Picture(s.picture));
    }
    return image;
}

TEST_F(WindowTest, EachFaceIsExactlyTheCompositionOfItsPictures) {
    struct FaceCase {
        void (*layout)(MainWindow&);
        bool banner;
        bool amPm;
        QSize size;
    };
    const FaceCase faces[] = {
        {LayoutNormal, false, false, {283, 386}}, {LayoutMini, false, false, {283, 104}},
        {LayoutEmblem, false, false, {283, 285}}, {LayoutNormal, true, false, {283, 415}},
        {LayoutNormal, false, true, {283, 386}},  {LayoutMini, true, true, {283, 133}},
    };
    for (const FaceCase& f : faces) {
        runtime.Run([&] {
            MainWindow& w = form().window;
            f.layout(w);
            ApplyBannerOption(w, f.banner ? "on" : "off");
            ApplyAmPmOption(w, f.amPm ? "on" : "off");
        });
        const QImage shot = Shot();
        EXPECT_EQ(shot.size(), f.size);
        EXPECT_EQ(shot, Composition(form().window)) << f.size.height();
        EXPECT_EQ(runtime.clockWindow().pos(), QPoint(353, 236)) << "a layout never moves the window";
    }
}

// Records what the window is asked to repaint.
class PaintRecorder final : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

TEST_F(WindowTest, ATickRepaintsOnlyTheSlotsWhosePictureChanged) {
    Shot();
    PaintRecorder recorder;
    runtime.clockWindow().installEventFilter(&recorder);
    const auto paintedAfter = [&](LocalDateTime t) {
        recorder.painted = {};
        clock.time = t;
        Tick();
        QCoreApplication::processEvents();
        return recorder.painted;
    };
    EXPECT_TRUE(paintedAfter({2003, 4, 19, 18, 10, 39}).isEmpty()) << "the same second repaints nothing";
    EXPECT_EQ(paintedAfter({2003, 4, 19, 18, 10, 40}), QRegion(128, 335, 26, 26)) << "the dial only";
    EXPECT_EQ(paintedAfter({2003, 4, 19, 18, 11, 40}), QRegion(100, 320, 26, 39)) << "the minute units only";
}

}  // namespace
}  // namespace orvalen
