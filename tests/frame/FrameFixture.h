// What the frame tests share: the skin packages (our two and the odd test
// skin), an application with skin components, raw top-level windows whose
// procedure records what reaches it, and the manager reset between tests.
#pragma once

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "tests/guitest/GuiTest.h"
#include "tests/frame/OddSkin.h"
#include "skin/WinSubClass/SkinManager.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "toolkit/win32/Compositor.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace frametest {

inline std::vector<uint8_t> ShippedSkin(const std::string& name) {
    std::ifstream in(std::string(KANVIO_SKINS_DIR) + "/" + name + ".skn", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
inline std::string ShippedSkinPath(const std::string& name) {
    return std::string(KANVIO_SKINS_DIR) + "/" + name + ".skn";
}

// What the raw test windows' own procedure saw.
struct TRawLog {
    int closes = 0;
    int buttonActions = 0;
    WPARAM lastButtonAction = 0;
    WPARAM lastNcLButtonDown = 0;
    int ncLButtonDowns = 0;
    bool animationDuringMaximize = true;
    WORD lastCommand = 0;
};
TRawLog& RawLog();

constexpr const wchar_t* RawClass = L"FrameTestRaw";
constexpr DWORD RawStyle = WS_OVERLAPPEDWINDOW;

skin::TWinSkinForm* FrameOf(HWND window);
RECT WindowRectOf(HWND window);
RECT ClientRectOf(HWND window);
// The client rectangle in window coordinates.
RECT ClientInWindow(HWND window);
// Every pixel of the window: inside the region exactly when the odd skin's
// colour key does not cut it.
::testing::AssertionResult RegionMatchesKey(HWND window, const TOddSkin& odd);
// Runs the manager's pending action now instead of a quarter second later.
void RunPendingAction();
// Messages until idle, then the frame's posted start.
inline void Settle() {
    guitest::PumpUntilIdle(80, 3000);
}

// What the engine asked of the desktop compositor while this object lived,
// in order; the requests reach no compositor.
class TCompositorRecord {
public:
    struct TRequest {
        HWND window;
        tk::compositor::Attribute attribute;
        DWORD value;
        std::wstring windowClass;
    };
    TCompositorRecord();
    ~TCompositorRecord();
    TCompositorRecord(const TCompositorRecord&) = delete;
    TCompositorRecord& operator=(const TCompositorRecord&) = delete;

    const std::vector<TRequest>& Requests() const { return requests_; }
    // The values asked for one window's attribute, in order.
    std::vector<DWORD> ValuesFor(HWND window, tk::compositor::Attribute attribute) const;
    // Something else to note in the same order (what a window saw meanwhile).
    void Note(HWND window, DWORD what);
    static constexpr auto Noted = tk::compositor::Attribute(0);

private:
    std::vector<TRequest> requests_;
    tk::compositor::Setter replaced_;
};

class FrameTest : public ::testing::Test {
protected:
    FrameTest();
    ~FrameTest() override;

    // A skin component owned by the application, loaded with the package,
    // registered with the manager and (for sfMainform) switched on.
    skin::TSkinData& AddSkin(const std::vector<uint8_t>& package,
                             skin::TSkinFormType type = skin::TSkinFormType::sfMainform,
                             bool active = true);
    // A raw top-level window of the given outer bounds, with `menu` as its
    // menu bar, shown and activated.
    HWND ShowRaw(const RECT& bounds, DWORD style = RawStyle, HWND owner = nullptr,
                 const wchar_t* caption = L"Odd window", HMENU menu = nullptr);
    // A toolkit form, shown and activated.
    tk::Form& ShowForm(const RECT& bounds, const std::string& caption = "Form");
    tk::Application app_;
    std::vector<HWND> windows_;
};

} // namespace frametest
