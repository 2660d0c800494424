#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include "window_fixture.h"

namespace orvalen {
namespace {

using testing::WindowTest;

class DialogWindowTest : public WindowTest {
protected:
    SettingsDialog& Open() {
        runtime.Run([this] {
            form().MouseMove(Element::Emblem, 1, 1);
            form().Click(Element::RevealStrip);
        });
        QCoreApplication::processEvents();
        SettingsDialog* dialog = runtime.settingsDialog();
        EXPECT_NE(dialog, nullptr);
        return *dialog;
    }
    QList<QRadioButton*> Options(SettingsDialog& d) { return d.findChildren<QRadioButton*>(); }
    QList<QCheckBox*> Checks(SettingsDialog& d) { return d.findChildren<QCheckBox*>(); }
    QWidget* OkArea(SettingsDialog& d) { return d.childAt(270, 140); }
};

TEST_F(DialogWindowTest, OpensBelowTheClockShowingTheSettingsWithControlsInPlace) {
    SettingsDialog& d = Open();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.windowTitle(), "Orvalen");
    EXPECT_TRUE(d.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(d.size(), QSize(295, 171));
    EXPECT_EQ(d.pos(), QPoint(353, 236 + 386));
    EXPECT_EQ(form().window.HeightPixels(), 386) << "the strip is taken away";

    const auto options = Options(d);
    const auto checks = Checks(d);
    ASSERT_EQ(options.size(), 3);
    ASSERT_EQ(checks.size(), 3);
    EXPECT_EQ(options[0]->geometry(), QRect(14, 62, 13, 11));
    EXPECT_EQ(options[2]->geometry(), QRect(14, 106, 13, 13));
    EXPECT_EQ(checks[0]->geometry(), QRect(164, 60, 13, 13));
    EXPECT_TRUE(options[0]->isChecked());
    EXPECT_FALSE(checks[0]->isChecked());
    EXPECT_TRUE(checks[1]->isChecked());
    EXPECT_FALSE(checks[2]->isChecked());
    for (auto* b : options) EXPECT_TRUE(b->text().isEmpty());
    ASSERT_NE(OkArea(d), nullptr);
    EXPECT_EQ(OkArea(d)->geometry(), QRect(254, 128, 35, 27));
}

TEST_F(DialogWindowTest, OkAppliesTheChoicesAndUnloadsTheDialog) {
    SettingsDialog& d = Open();
    QTest::mouseClick(Options(d)[1], Qt::LeftButton);
    QTest::mouseClick(Checks(d)[2], Qt::LeftButton);
    EXPECT_EQ(runtime.form().window.HeightPixels(), 386) << "nothing applies before OK";
    QTest::mouseClick(OkArea(d), Qt::LeftButton, {}, QPoint(5, 5));
    QCoreApplication::processEvents();
    EXPECT_EQ(runtime.settingsDialog(), nullptr);
    EXPECT_EQ(form().window.HeightPixels(), 104);
    EXPECT_EQ(form().window.elements[Element::AmMark].left, 0);
    EXPECT_EQ(runtime.clockWindow().size(), QSize(283, 104));
}

TEST_F(DialogWindowTest, KeysOperateTheControlsButEnterAndEscapeDoNothing) {
    SettingsDialog& d = Open();
    Options(d)[0]->setFocus();
    QTest::keyClick(Options(d)[0], Qt::Key_Down);
    EXPECT_TRUE(Options(d)[1]->isChecked());
    QTest::keyClick(&d, Qt::Key_Tab);
    QWidget* focused = QApplication::focusWidget();
    ASSERT_EQ(focused, Checks(d)[0]);
    QTest::keyClick(focused, Qt::Key_Space);
    EXPECT_TRUE(Checks(d)[0]->isChecked());
    QTest::keyClick(&d, Qt::Key_Return);
    QTest::keyClick(&d, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(runtime.settingsDialog(), &d);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(form().window.HeightPixels(), 386);
}

TEST_F(DialogWindowTest, ClosingByTheWindowSystemDiscardsTheChoices) {
    SettingsDialog& d = Open();
    QTest::mouseClick(Options(d)[2], Qt::LeftButton);
    d.close();
    QCoreApplication::processEvents();
    EXPECT_EQ(runtime.settingsDialog(), nullptr);
    EXPECT_EQ(form().window.HeightPixels(), 386);
    SettingsDialog& again = Open();
    EXPECT_TRUE(Options(again)[0]->isChecked()) << "a new dialog shows the settings as they are";
}

TEST_F(DialogWindowTest, DragsByItsBackgroundOnly) {
    SettingsDialog& d = Open();
    const QPoint start = d.pos();
    QTest::mousePress(&d, Qt::LeftButton, {}, QPoint(100, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(140, 30), QPointF(d.mapToGlobal(QPoint(140, 30))), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(&d, &move);
    QTest::mouseRelease(&d, Qt::LeftButton, {}, QPoint(140, 30));
    EXPECT_EQ(d.pos(), start + QPoint(40, 20));
    const QPoint moved = d.pos();
    QTest::mouseClick(OkArea(d), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(d.pos(), moved) << "pressing the OK area moves nothing";
}

}  // namespace
}  // namespace orvalen
