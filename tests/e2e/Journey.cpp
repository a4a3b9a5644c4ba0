#include "tests/e2e/Journey.h"

#include "tests/e2e/FramedWindow.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace e2e {
namespace {

// A window that has shown the same pixels for this long has taken its skin:
// several ticks of the skin manager's 250 ms action timer.
constexpr auto SkinnedQuiet = 1000ms;
constexpr auto LaunchSettleLimit = 10s;
constexpr auto CaptureGap = 50ms;

fs::path RecordRoot() {
    const char* root = std::getenv("KANVIO_E2E_RECORD");
    return root && *root ? fs::path(root) : fs::path(KANVIO_E2E_RECORD);
}

std::string StepFileName(int number, const std::string& name) {
    char prefix[8];
    std::snprintf(prefix, sizeof prefix, "%02d-", number);
    std::string file = prefix;
    for (char c : name) {
        file += (c == '/' || c == ' ') ? '-' : c;
    }
    return file + ".png";
}

fs::path NewWorkFolder() {
    std::string pattern = (fs::temp_directory_path() / "kanvio-e2e-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        throw std::runtime_error("cannot make a folder in " + fs::temp_directory_path().string());
    }
    return pattern;
}

} // namespace

void Journey::SetUp() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    // A journey at another scale keeps its screenshots apart.
    const std::string scale = ScreenDpi() == 96 ? "" : ".dpi" + std::to_string(ScreenDpi());
    record_ = RecordRoot() / (std::string(test->test_suite_name()) + "." + test->name() + scale);
    fs::remove_all(record_);
    fs::create_directories(record_);
    work_ = NewWorkFolder();
    // A run at another display scale (ctest's KANVIO_DPI, as for the
    // Windows tests) plays every journey at it, on a screen as much larger.
    desktop_ = std::make_unique<Desktop>((record_ / "xvfb.log").string(), ScreenDpi());
    wine_ = std::make_unique<WineSession>(*desktop_, work_);
    if (ScreenDpi() != 96) {
        wine_->SetDpi(ScreenDpi());
    }
}

void Journey::TearDown() {
    if (HasFailure() && desktop_) {
        desktop_->Capture().Save((record_ / "failure.png").string());
    }
    program_.reset();
    if (wine_) {
        std::error_code ignored;
        fs::copy_file(wine_->LogFile(), record_ / "wine.log", fs::copy_options::overwrite_existing,
                      ignored);
    }
    wine_.reset();
    desktop_.reset();
    std::error_code ignored;
    fs::remove_all(work_, ignored);
}

ScreenWindow Journey::Launch(const std::string& program, const std::vector<std::string>& args,
                             const std::string& title) {
    program_ = wine_->Start(WindowsTree() / program, args);
    WaitForWindow(title);
    Settle(LaunchSettleLimit, SkinnedQuiet);
    return WaitForWindow(title);
}

ScreenWindow Journey::WaitForWindow(const std::string& title, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (std::optional<ScreenWindow> window = desktop_->FindWindow(title)) {
            return *window;
        }
        if (program_ && !program_->Running()) {
            throw std::runtime_error("the program ended before showing \"" + title + "\"");
        }
        if (std::chrono::steady_clock::now() >= end) {
            throw std::runtime_error("no window \"" + title + "\" appeared");
        }
        std::this_thread::sleep_for(CaptureGap);
    }
}

void Journey::WaitForNoWindow(const std::string& title, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (desktop_->FindWindow(title)) {
        if (std::chrono::steady_clock::now() >= end) {
            throw std::runtime_error("the window \"" + title + "\" stayed");
        }
        std::this_thread::sleep_for(CaptureGap);
    }
}

Picture Journey::Settle(std::chrono::milliseconds limit, std::chrono::milliseconds quiet) {
    const auto end = std::chrono::steady_clock::now() + limit;
    Picture last = desktop_->Capture();
    auto quietSince = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(CaptureGap);
        Picture next = desktop_->Capture();
        const auto now = std::chrono::steady_clock::now();
        if (next.pixels != last.pixels) {
            quietSince = now;
            last = std::move(next);
        } else if (now - quietSince >= quiet) {
            break;
        }
    }
    return last;
}

Picture Journey::Step(const std::string& name) {
    Picture screen = Settle();
    screen.Save((record_ / StepFileName(++steps_, name)).string());
    return screen;
}

Picture Journey::StepWhen(const std::string& name, const std::string& what,
                          const std::function<bool(const Picture&)>& holds,
                          std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    Picture screen = Settle();
    while (!holds(screen) && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(CaptureGap);
        screen = Settle();
    }
    screen.Save((record_ / StepFileName(++steps_, name)).string());
    EXPECT_TRUE(holds(screen)) << "step " << steps_ << " (" << name << "): " << what
                               << " did not show; see " << record_.string();
    return screen;
}

int Journey::WaitForExit(std::chrono::milliseconds limit) {
    if (const std::optional<int> status = program_->Wait(limit)) {
        return *status;
    }
    throw std::runtime_error("the program did not end");
}

} // namespace e2e
