// The window subclass layer on a plain window: layers stack and come off in
// any order, a layer may be removed from inside a message (its own, a nested
// one, or by the layer above), its owner may be destroyed while its procedure
// runs, a throwing procedure is contained, and the window's destruction takes
// every layer off.
#include "toolkit/win32/WindowSubclass.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Every layer notes these and hands them on; the window's own procedure
// answers them with kBaseAnswer.
constexpr UINT ProbeMessage = WM_APP + 1;
constexpr UINT Nested = WM_APP + 2;
constexpr LRESULT BaseAnswer = 42;
constexpr wchar_t TestClassName[] = L"KanvioWindowSubclassTest";

using Journal = std::vector<std::string>;

Journal* JournalOf(HWND window) {
    return reinterpret_cast<Journal*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK BaseProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    Journal* journal = JournalOf(window);
    if (journal && (msg == ProbeMessage || msg == Nested)) {
        journal->push_back("base");
        return BaseAnswer;
    }
    if (journal && msg == WM_NCDESTROY) {
        journal->push_back("base:destroyed");
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

struct TestWindow {
    Journal journal;
    HWND window = nullptr;

    TestWindow() {
        HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = BaseProcedure;
        wc.hInstance = instance;
        wc.lpszClassName = TestClassName;
        RegisterClassExW(&wc); // fails harmlessly once registered
        window = CreateWindowExW(0, TestClassName, L"", WS_OVERLAPPED, 0, 0, 40, 40, nullptr,
                                 nullptr, instance, nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&journal));
    }
    ~TestWindow() {
        if (IsWindow(window)) {
            DestroyWindow(window);
        }
    }
    // Who saw one probe message, top first.
    Journal Probe() {
        journal.clear();
        EXPECT_EQ(SendMessageW(window, ProbeMessage, 0, 0), BaseAnswer);
        return journal;
    }
};

// A layer that notes the probes it sees under its name and hands every
// message on; `onProbe` runs first when set.
struct Layer {
    std::string name;
    Journal& journal;
    std::function<void(UINT msg)> onProbe;
    tk::WindowSubclass subclass;

    Layer(std::string layerName, Journal& j) : name(std::move(layerName)), journal(j) {}
    bool Install(HWND window) {
        return subclass.Install(window, [this](UINT msg, WPARAM wParam, LPARAM lParam) {
            if (msg == ProbeMessage || msg == Nested) {
                journal.push_back(name + (msg == Nested ? ":nested" : ""));
                if (onProbe) {
                    onProbe(msg);
                }
            }
            if (msg == WM_NCDESTROY) {
                journal.push_back(name + ":destroyed");
            }
            return subclass.CallNext(msg, wParam, lParam);
        });
    }
};

// A window with three layers, c on top.
struct ThreeLayers : ::testing::Test {
    TestWindow w;
    Layer a{"a", w.journal}, b{"b", w.journal}, c{"c", w.journal};
    void SetUp() override {
        ASSERT_TRUE(a.Install(w.window));
        ASSERT_TRUE(b.Install(w.window));
        ASSERT_TRUE(c.Install(w.window));
    }
};

} // namespace

TEST(WindowSubclass, LayersStackAndComeOffInAnyOrder) {
    TestWindow w;
    LONG_PTR ownProcedure = GetWindowLongPtrW(w.window, GWLP_WNDPROC);
    Layer a("a", w.journal), b("b", w.journal), c("c", w.journal);
    EXPECT_FALSE(a.subclass.Install(nullptr, nullptr));
    ASSERT_TRUE(a.Install(w.window));
    EXPECT_FALSE(a.Install(w.window)); // one layer per object
    ASSERT_TRUE(b.Install(w.window));
    ASSERT_TRUE(c.Install(w.window));
    EXPECT_EQ(w.Probe(), (Journal{"c", "b", "a", "base"}));
    b.subclass.Remove(); // the middle one
    EXPECT_EQ(w.Probe(), (Journal{"c", "a", "base"}));
    c.subclass.Remove(); // the top one
    EXPECT_EQ(w.Probe(), (Journal{"a", "base"}));
    ASSERT_TRUE(b.Install(w.window));
    EXPECT_EQ(w.Probe(), (Journal{"b", "a", "base"}));
    a.subclass.Remove(); // the bottom one
    EXPECT_EQ(w.Probe(), (Journal{"b", "base"}));
    // Text set and read through the layers stays wide.
    EXPECT_TRUE(IsWindowUnicode(w.window));
    SetWindowTextW(w.window, L"霓虹模板");
    wchar_t text[16] = {};
    GetWindowTextW(w.window, text, 16);
    EXPECT_STREQ(text, L"霓虹模板");
    b.subclass.Remove();
    EXPECT_FALSE(b.subclass.Installed());
    EXPECT_EQ(w.Probe(), (Journal{"base"}));
    // The last layer off gives the window its own procedure back.
    EXPECT_EQ(GetWindowLongPtrW(w.window, GWLP_WNDPROC), ownProcedure);
    EXPECT_TRUE(IsWindowUnicode(w.window));
}

TEST_F(ThreeLayers, ALayerRemovedInsideItsOwnMessageStillHandsItOn) {
    b.onProbe = [&](UINT) { b.subclass.Remove(); };
    EXPECT_EQ(w.Probe(), (Journal{"c", "b", "a", "base"}));
    EXPECT_EQ(w.Probe(), (Journal{"c", "a", "base"}));
}

TEST_F(ThreeLayers, ALayerRemovedByTheOneAboveIsSkipped) {
    c.onProbe = [&](UINT) { b.subclass.Remove(); };
    EXPECT_EQ(w.Probe(), (Journal{"c", "a", "base"}));
    // Removing the layer above while the message is below it.
    c.onProbe = nullptr;
    a.onProbe = [&](UINT) { c.subclass.Remove(); };
    EXPECT_EQ(w.Probe(), (Journal{"c", "a", "base"}));
    EXPECT_EQ(w.Probe(), (Journal{"a", "base"}));
}

TEST_F(ThreeLayers, ALayerRemovedDuringANestedMessageIsSkippedByTheOuterOne) {
    // c sends a second message before handing the first on; b leaves while
    // that one passes, and is gone for the rest of the first.
    c.onProbe = [&](UINT msg) {
        if (msg == ProbeMessage) {
            EXPECT_EQ(SendMessageW(w.window, Nested, 0, 0), BaseAnswer);
        }
    };
    b.onProbe = [&](UINT msg) {
        if (msg == Nested) {
            b.subclass.Remove();
        }
    };
    EXPECT_EQ(w.Probe(), (Journal{"c", "c:nested", "b:nested", "a:nested", "base", "a", "base"}));
    c.onProbe = nullptr;
    EXPECT_EQ(w.Probe(), (Journal{"c", "a", "base"}));
}

TEST(WindowSubclass, AnOwnerDestroyedWhileItsProcedureRuns) {
    TestWindow w;
    Layer a("a", w.journal);
    ASSERT_TRUE(a.Install(w.window));
    // The owner goes after handing the message on...
    auto owner = std::make_unique<tk::WindowSubclass>();
    owner->Install(w.window, [&](UINT msg, WPARAM wParam, LPARAM lParam) {
        LRESULT result = owner->CallNext(msg, wParam, lParam);
        if (msg == ProbeMessage) {
            owner.reset();
        }
        return result;
    });
    EXPECT_EQ(w.Probe(), (Journal{"a", "base"}));
    EXPECT_EQ(owner, nullptr);
    EXPECT_EQ(w.Probe(), (Journal{"a", "base"}));
    // ...or before, answering the message itself.
    owner = std::make_unique<tk::WindowSubclass>();
    owner->Install(w.window, [&](UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == ProbeMessage) {
            owner.reset();
            return LRESULT(7);
        }
        return owner->CallNext(msg, wParam, lParam);
    });
    EXPECT_EQ(SendMessageW(w.window, ProbeMessage, 0, 0), 7);
    EXPECT_EQ(w.Probe(), (Journal{"a", "base"}));
    // ...or together with the window.
    owner = std::make_unique<tk::WindowSubclass>();
    owner->Install(w.window, [&](UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == ProbeMessage) {
            owner.reset();
            DestroyWindow(w.window);
            return LRESULT(0);
        }
        return owner->CallNext(msg, wParam, lParam);
    });
    w.journal.clear();
    SendMessageW(w.window, ProbeMessage, 0, 0);
    EXPECT_FALSE(IsWindow(w.window));
    EXPECT_EQ(w.journal, (Journal{"a:destroyed", "base:destroyed"}));
    EXPECT_FALSE(a.subclass.Installed());
}

TEST(WindowSubclass, AThrowingProcedureIsContained) {
    TestWindow w;
    Layer a("a", w.journal);
    ASSERT_TRUE(a.Install(w.window));
    tk::WindowSubclass thrower;
    bool handOnFirst = false;
    thrower.Install(w.window, [&](UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (msg != ProbeMessage) {
            return thrower.CallNext(msg, wParam, lParam);
        }
        if (handOnFirst) {
            thrower.CallNext(msg, wParam, lParam);
        }
        throw std::runtime_error("layer failed");
    });
    tk::WindowSubclass top;
    LRESULT seenOnTop = 0;
    ASSERT_TRUE(top.Install(w.window, [&](UINT msg, WPARAM wParam, LPARAM lParam) {
        LRESULT result = top.CallNext(msg, wParam, lParam);
        if (msg == ProbeMessage) {
            seenOnTop = result;
        }
        return result;
    }));
    // Thrown before the message was handed on: the layers below still get it.
    EXPECT_EQ(w.Probe(), (Journal{"a", "base"}));
    EXPECT_EQ(seenOnTop, BaseAnswer);
    // Thrown after: they got it once, and its answer stands.
    handOnFirst = true;
    seenOnTop = 0;
    EXPECT_EQ(w.Probe(), (Journal{"a", "base"}));
    EXPECT_EQ(seenOnTop, BaseAnswer);
}

TEST(WindowSubclass, TheWindowsDestructionTakesEveryLayerOff) {
    TestWindow w;
    Layer a("a", w.journal), b("b", w.journal);
    ASSERT_TRUE(a.Install(w.window));
    ASSERT_TRUE(b.Install(w.window));
    // A top layer that keeps WM_NCDESTROY to itself: the layers below must
    // still hear of it to let go.
    tk::WindowSubclass greedy;
    ASSERT_TRUE(greedy.Install(w.window, [&](UINT msg, WPARAM wParam, LPARAM lParam) {
        return msg == WM_NCDESTROY ? 0 : greedy.CallNext(msg, wParam, lParam);
    }));
    w.journal.clear();
    DestroyWindow(w.window);
    EXPECT_EQ(w.journal, (Journal{"b:destroyed", "a:destroyed", "base:destroyed"}));
    EXPECT_FALSE(greedy.Installed());
    EXPECT_FALSE(a.subclass.Installed());
    EXPECT_FALSE(b.subclass.Installed());
    EXPECT_EQ(b.subclass.Window(), nullptr);
    // Installing on a window that is gone fails.
    EXPECT_FALSE(a.Install(w.window));
}
