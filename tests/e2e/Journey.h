// The fixture of every end-to-end journey: a private display and a private
// Wine, the program under test started in them, and a record of the journey
// as screenshots a person can page through, one per step, in
// build/e2e/<Suite.Test>/NN-step.png.
#pragma once

#include "tests/e2e/Desktop.h"
#include "tests/e2e/WineSession.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace e2e {

using namespace std::chrono_literals;

class Journey : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Desktop& Screen() { return *desktop_; }
    WineSession& Wine() { return *wine_; }

    // Starts a program of the Windows tree (a path inside it) and returns
    // its window whose title contains `title` once it has come up in its
    // skin: the window shows in the system's frame first and takes the
    // skin's when it is activated, a timer tick or two later.
    ScreenWindow Launch(const std::string& program, const std::vector<std::string>& args,
                        const std::string& title);
    Process& Launched() { return *program_; }

    // The window whose title contains `title`, once it is on the screen.
    ScreenWindow WaitForWindow(const std::string& title, std::chrono::milliseconds limit = 60s);
    // Waits until no window's title contains `title`.
    void WaitForNoWindow(const std::string& title, std::chrono::milliseconds limit = 20s);

    // The screen once it has not changed for `quiet` (or after `limit`).
    Picture Settle(std::chrono::milliseconds limit = 3s, std::chrono::milliseconds quiet = 250ms);
    // Settles and keeps the screen as the journey's next step.
    Picture Step(const std::string& name);
    // Captures until `holds` is true of the screen, then keeps it as the
    // next step; fails the test naming `what` if it never holds.
    Picture StepWhen(const std::string& name, const std::string& what,
                     const std::function<bool(const Picture&)>& holds,
                     std::chrono::milliseconds limit = 10s);

    // Waits for the program to end and returns its exit status.
    int WaitForExit(std::chrono::milliseconds limit = 20s);

    const std::filesystem::path& Record() const { return record_; }

private:
    std::filesystem::path record_;
    std::filesystem::path work_;
    int steps_ = 0;
    std::unique_ptr<Desktop> desktop_;
    std::unique_ptr<WineSession> wine_;
    std::unique_ptr<Process> program_;
};

} // namespace e2e
