// A paint handler that throws, again and again: the toolkit reports each
// failure and goes on, and every paint still ends and frees what it made, so
// the process's live GDI and USER objects stay as they were.
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

INSTANTIATE_TEST_SUITE_P(Buffering, ThrowingPaint, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Buffered" : "Direct"; });

} // namespace
