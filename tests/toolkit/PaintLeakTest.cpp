// A paint handler that throws, again and again: the toolkit reports each
// failure and goes on, and every paint still ends and frees what it made, so
// the process's live GDI and USER objects stay as they were. A paint that
// changes the canvas's font, brush and pen between drawings deletes none of
// them while it is selected.
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/GraphicControls.h"

#include "tests/guitest/GuiTest.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

constexpr int FailingPaints = 500;

// A window-less control whose painting fails halfway, with its font, brush
// and pen selected into the paint DC.
class FailingControl : public tk::GraphicControl {
public:
    using GraphicControl::GraphicControl;
    int attempts = 0;

protected:
    void Paint() override {
        ++attempts;
        Canvas().Brush().SetColor(0x3366CC);
        Canvas().Rectangle(ClientRect());
        throw std::runtime_error("paint failed");
    }
};

// Whether the form paints through an off-screen buffer.
class ThrowingPaint : public ::testing::TestWithParam<bool> {};

TEST_P(ThrowingPaint, LeavesNoObjectsBehindAndEveryFailureIsReported) {
    tk::Application app;
    int reported = 0;
    app.SetMessageBox([&](const std::string&, const std::string&) { ++reported; });
    auto* form = new tk::Form(&app);
    form->SetDoubleBuffered(GetParam());
    form->SetBounds(80, 80, 240, 160);
    auto* failing = new FailingControl(form);
    failing->SetParent(form);
    failing->SetBounds(10, 10, 120, 60);
    form->Show();
    guitest::PumpUntilIdle();
    const auto repaint = [&] {
        failing->Invalidate();
        UpdateWindow(form->Handle());
    };
    repaint();
    const int warmAttempts = failing->attempts;
    ASSERT_GT(warmAttempts, 0) << "the control was never painted";
    const guitest::ObjectCounts before = guitest::CountLiveObjects();
    for (int i = 0; i < FailingPaints; ++i) {
        repaint();
    }
    EXPECT_EQ(guitest::CountLiveObjects(), before);
    EXPECT_EQ(failing->attempts - warmAttempts, FailingPaints);
    EXPECT_EQ(reported, failing->attempts);
}

// A window-less control that draws each of its labels in a colour of its
// own, changing the canvas's font, brush and pen while they are selected.
class ColouredLabels : public tk::GraphicControl {
public:
    using GraphicControl::GraphicControl;
    int paints = 0;

protected:
    void Paint() override {
        ++paints;
        for (int i = 0; i < 3; ++i) {
            const base::Colour colour = 0x202020 * (i + 1);
            Canvas().Font().SetColor(colour);
            Canvas().Brush().SetColor(colour);
            Canvas().Pen().SetColor(colour);
            Canvas().Rectangle({i * 30, 0, i * 30 + 25, 20});
            Canvas().TextOut(i * 30, 22, "Tab");
        }
    }
};

TEST(CanvasChanges, DeleteNoSelectedObjectAndLeaveNoneBehind) {
    tk::Application app;
    auto* form = new tk::Form(&app);
    form->SetBounds(80, 80, 240, 160);
    auto* labels = new ColouredLabels(form);
    labels->SetParent(form);
    labels->SetBounds(10, 10, 120, 60);
    form->Show();
    guitest::PumpUntilIdle();
    guitest::WatchDeletions();
    const int refusedBefore = guitest::RefusedDeletions();
    const guitest::ObjectCounts before = guitest::CountLiveObjects();
    for (int i = 0; i < 50; ++i) {
        labels->Invalidate();
        UpdateWindow(form->Handle());
    }
    EXPECT_GE(labels->paints, 50);
    EXPECT_EQ(guitest::RefusedDeletions(), refusedBefore);
    EXPECT_EQ(guitest::CountLiveObjects(), before);
}

INSTANTIATE_TEST_SUITE_P(Buffering, ThrowingPaint, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Buffered" : "Direct"; });

} // namespace
