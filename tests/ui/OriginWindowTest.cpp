#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <array>
#include <functional>

#include "OriginWindow.h"

namespace korvo {
namespace {

using State = CAutoScroll::ScrollBarState;

class ScrollTarget : public CAutoScroll::ITarget {
public:
    State GetScrollBarState(ScrollBar bar) const override {
        return bar == ScrollBar::Horizontal ? horizontal : vertical;
    }
    void ThumbTrack(ScrollBar bar, int position) override {
        (bar == ScrollBar::Horizontal ? horizontal : vertical).position = position;
        ++moves;
    }

    State horizontal{0, 1000, 0, 500, true};
    State vertical{0, 1000, 0, 500, true};
    int moves = 0;
};

const QPoint kOrigin(300, 200);

// The pointer is where the run starts, unless a test moves it; it goes back where it was.
class OriginWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner_.resize(400, 300);
        owner_.show();
        pointer_ = QCursor::pos();
        QCursor::setPos(kOrigin);
    }
    void TearDown() override { QCursor::setPos(pointer_); }

    // Lets the event loop run until `done` holds or a generous while has passed.
    static bool WaitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 3000); }

    QWidget owner_;
    ScrollTarget target_;
    QPoint pointer_;
};

TEST_F(OriginWindowTest, OpensAtTheOriginHoldsThePointerAndScrolls) {
    COriginWindow* window = COriginWindow::Start(&owner_, target_, kOrigin);
    EXPECT_EQ(window->geometry().center() + QPoint(1, 1), kOrigin);  // 32 pixels: centre rounds
    EXPECT_EQ(QWidget::mouseGrabber(), window);
    EXPECT_EQ(QWidget::keyboardGrabber(), window);
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);

    QTest::qWait(3 * CAutoScroll::kTickMs);
    EXPECT_EQ(target_.moves, 0);  // still inside the origin window

    QCursor::setPos(kOrigin + QPoint(0, -25));  // speed 20 upwards: a unit per tick
    ASSERT_TRUE(WaitFor([this] { return target_.moves >= 3; }));
    EXPECT_EQ(target_.horizontal.position, 500);
    EXPECT_LT(target_.vertical.position, 500);
    window->Stop();
}

TEST_F(OriginWindowTest, NextButtonOrKeyEndsTheRun) {
    const std::function<void(QWidget*)> enders[] = {
        [](QWidget* w) { QTest::mousePress(w, Qt::LeftButton); },
        [](QWidget* w) { QTest::mousePress(w, Qt::MiddleButton); },
        [](QWidget* w) { QTest::keyPress(w, Qt::Key_A); },
    };
    int index = 0;
    for (const auto& end : enders) {
        QPointer<COriginWindow> window = COriginWindow::Start(&owner_, target_, kOrigin);
        bool stopped = false;
        QObject::connect(window, &COriginWindow::Stopped, [&stopped] { stopped = true; });
        // Letting go of the button that started the run is not the end of it.
        QTest::mouseRelease(window, Qt::MiddleButton);
        EXPECT_TRUE(window->IsRunning()) << index;
        end(window);
        EXPECT_TRUE(stopped) << index;
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr) << index;
        EXPECT_EQ(QWidget::keyboardGrabber(), nullptr) << index;
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << index;
        EXPECT_TRUE(WaitFor([&window] { return window.isNull(); })) << index;
        ++index;
    }
}

TEST_F(OriginWindowTest, OwnerClosingMidRunLeavesNothingBehind) {
    {
        QWidget owner;
        owner.show();
        COriginWindow::Start(&owner, target_, kOrigin);
        ASSERT_NE(QWidget::mouseGrabber(), nullptr);
    }
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace korvo
