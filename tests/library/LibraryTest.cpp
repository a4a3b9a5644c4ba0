// kanvioskin.dll as a C or C++ program without our toolkit uses it: plain
// windows of its own class and a dialog made from a template, skinned by two
// calls, switched to another skin, left native one by one or by class, and
// given their native drawing back, with every bad argument refused.
#include "include/kanvioskin.h"

#include <commctrl.h>

#include "skin/WinSkinData/SkinModel.h"
#include "tests/guitest/GuiTest.h"
#include "tests/guitest/LeakCheck.h"
#include "toolkit/win32/ColourRef.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr const wchar_t* PlainClass = L"LibraryTestWindow";
constexpr const wchar_t* OtherClass = L"LibraryTestOther";
constexpr const wchar_t* WorkerClass = L"LibraryTestWorker";
constexpr int ButtonId = 100;
constexpr int CheckId = 101;
constexpr int GroupId = 102;
constexpr int ProgressId = 103;

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

INT_PTR CALLBACK DialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

void RegisterTestClass(const wchar_t* name) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

// A shown, painted top-level window with a caption and a sizing frame.
HWND MakeWindow(const wchar_t* className, int left) {
    HWND window = CreateWindowExW(0, className, L"Plain window", WS_OVERLAPPEDWINDOW, left, 60, 320,
                                  220, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    guitest::PumpUntilIdle();
    return window;
}

// A modeless dialog with a push button, a check box, a group box and a
// progress bar, built from a template in memory as a resource script would
// give it.
HWND MakeDialog() {
    std::vector<WORD> t;
    const auto align = [&] {
        if (t.size() % 2) {
            t.push_back(0);
        }
    };
    const auto dword = [&](DWORD value) {
        t.push_back(LOWORD(value));
        t.push_back(HIWORD(value));
    };
    const auto text = [&](const wchar_t* s) {
        for (; *s; ++s) {
            t.push_back(*s);
        }
        t.push_back(0);
    };
    dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | WS_VISIBLE);
    dword(0);
    t.push_back(4);                                     // items
    t.insert(t.end(), {WORD(200), WORD(40), 160, 110}); // x, y, cx, cy
    t.insert(t.end(), {0, 0});                          // no menu, the dialog class
    text(L"Plain dialog");
    t.push_back(8);
    text(L"MS Shell Dlg");
    // A class named by its text, or the button class by its number.
    for (const auto& [style, y, id, cls, caption] :
         {std::tuple{DWORD(BS_PUSHBUTTON | WS_TABSTOP), 10, ButtonId, L"", L"Push"},
          std::tuple{DWORD(BS_AUTOCHECKBOX | WS_TABSTOP), 40, CheckId, L"", L"Check"},
          std::tuple{DWORD(BS_GROUPBOX), 60, GroupId, L"", L"Group"},
          std::tuple{DWORD(0), 90, ProgressId, PROGRESS_CLASSW, L""}}) {
        align();
        dword(WS_CHILD | WS_VISIBLE | style);
        dword(0);
        t.insert(t.end(), {10, WORD(y), 80, 14, WORD(id)});
        if (*cls) {
            text(cls);
        } else {
            t.insert(t.end(), {WORD(0xFFFF), WORD(0x0080)});
        }
        text(caption);
        t.push_back(0);
    }
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                             reinterpret_cast<const DLGTEMPLATE*>(t.data()),
                                             nullptr, DialogProc, 0);
    guitest::PumpUntilIdle();
    return dialog;
}

WNDPROC ProcOf(HWND window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
}

// The title bar's band of the window as on screen.
guitest::Capture TitleOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    rect.bottom = rect.top + 24;
    return guitest::CaptureScreen(rect);
}

// A frame replaced the window's procedure and repainted its title bar.
::testing::AssertionResult Skinned(HWND window, WNDPROC native, const guitest::Capture& before) {
    if (ProcOf(window) == native) {
        return ::testing::AssertionFailure() << "the window keeps its own procedure";
    }
    if (TitleOf(window).pixels == before.pixels) {
        return ::testing::AssertionFailure() << "the title bar looks as before";
    }
    return ::testing::AssertionSuccess();
}

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string SkinPath(const char* name) {
    return std::string(KANVIO_SKINS_DIR) + "/" + name + ".skn";
}

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

class Library : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestClass(PlainClass);
        RegisterTestClass(OtherClass);
        RegisterTestClass(WorkerClass);
        ASSERT_EQ(KanvioSkinLoadFile(Wide(SkinPath("kanvio_neon")).c_str(), &neon_), KanvioSkinOk)
            << KanvioSkinLastError();
    }
    void TearDown() override {
        if (KanvioSkinStop() == KanvioSkinOk) {
            guitest::PumpUntilIdle();
        }
        KanvioSkinFree(neon_);
    }

    KanvioSkin* neon_ = nullptr;
};

TEST_F(Library, TwoCallsSkinTheOpenWindowsAndEveryLaterOneWithTheirControls) {
    HWND open = MakeWindow(PlainClass, 40);
    HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, L"Ready", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                  open, nullptr, GetModuleHandleW(nullptr), nullptr);
    guitest::PumpUntilIdle();
    const guitest::Capture openBefore = TitleOf(open);
    const guitest::Capture statusBefore = guitest::CaptureClient(status);
    ASSERT_EQ(KanvioSkinStart(neon_), KanvioSkinOk) << KanvioSkinLastError();
    guitest::PumpUntilIdle();
    EXPECT_TRUE(Skinned(open, PlainProc, openBefore));
    EXPECT_STREQ(KanvioSkinLastError(), L"");
    // The first window's client is all in the skin's face, also what was
    // drawn natively before it was framed.
    COLORREF face = 0;
    ASSERT_EQ(KanvioSkinGetColour(neon_, KanvioSkinFace, &face), KanvioSkinOk);
    RECT bar{};
    GetClientRect(status, &bar);
    const guitest::Capture client = guitest::CaptureClient(open);
    EXPECT_TRUE(guitest::RectIs(client, {0, 0, client.width, client.height - bar.bottom}, face));
    // The status bar is the skin's, no longer the system's face.
    EXPECT_NE(ProcOf(status), reinterpret_cast<WNDPROC>(GetClassLongPtrW(status, GCLP_WNDPROC)));
    const guitest::Capture statusShot = guitest::CaptureClient(status);
    const POINT middle{statusShot.width / 2, statusShot.height / 2};
    EXPECT_EQ(statusBefore.At(middle.x, middle.y), guitest::Rgb(GetSysColor(COLOR_3DFACE)));
    EXPECT_NE(statusShot.At(middle.x, middle.y), statusBefore.At(middle.x, middle.y));

    // A window opened later is skinned as it is activated.
    HWND later = MakeWindow(PlainClass, 420);
    EXPECT_NE(ProcOf(later), PlainProc);

    // A dialog and the standard controls in it.
    HWND dialog = MakeDialog();
    ASSERT_NE(dialog, nullptr);
    HWND button = GetDlgItem(dialog, ButtonId);
    const auto buttonProc = reinterpret_cast<WNDPROC>(GetClassLongPtrW(button, GCLP_WNDPROC));
    EXPECT_NE(ProcOf(dialog), reinterpret_cast<WNDPROC>(GetClassLongPtrW(dialog, GCLP_WNDPROC)));
    EXPECT_NE(ProcOf(button), buttonProc) << "the push button has no skinner";
    // Group boxes and progress bars too: the system's theme would draw them
    // in its own colours.
    for (const int id : {CheckId, GroupId, ProgressId}) {
        HWND control = GetDlgItem(dialog, id);
        EXPECT_NE(ProcOf(control),
                  reinterpret_cast<WNDPROC>(GetClassLongPtrW(control, GCLP_WNDPROC)))
            << "control " << id << " has no skinner";
    }
    for (HWND window : {dialog, later, open}) {
        DestroyWindow(window);
    }
}

TEST_F(Library, StoppingGivesEveryWindowItsOwnDrawingBackAndLeavesNothingBehind) {
    HWND window = MakeWindow(PlainClass, 40);
    HWND dialog = MakeDialog();
    HWND button = GetDlgItem(dialog, ButtonId);
    const WNDPROC dialogProc = ProcOf(dialog);
    const WNDPROC buttonProc = ProcOf(button);
    const guitest::Capture native = TitleOf(window);
    // A first round warms Wine's caches up.
    ASSERT_EQ(KanvioSkinStart(neon_), KanvioSkinOk) << KanvioSkinLastError();
    guitest::PumpUntilIdle();
    ASSERT_EQ(KanvioSkinStop(), KanvioSkinOk);
    guitest::PumpUntilIdle();

    const guitest::LeakCounts before = guitest::CountForLeaks();
    ASSERT_EQ(KanvioSkinStart(neon_), KanvioSkinOk) << KanvioSkinLastError();
    guitest::PumpUntilIdle();
    ASSERT_NE(ProcOf(window), PlainProc);
    ASSERT_EQ(KanvioSkinStop(), KanvioSkinOk);
    EXPECT_EQ(KanvioSkinStop(), KanvioSkinNotStarted) << "a stop is pending already";
    guitest::PumpUntilIdle();
    EXPECT_EQ(ProcOf(window), PlainProc);
    EXPECT_EQ(ProcOf(dialog), dialogProc);
    EXPECT_EQ(ProcOf(button), buttonProc);
    EXPECT_EQ(TitleOf(window).pixels, native.pixels) << "the native title bar";
    guitest::ExpectSameLiveObjects(before, guitest::CountForLeaks());
    DestroyWindow(dialog);
    DestroyWindow(window);
}

TEST_F(Library, AnotherSkinRepaintsEveryWindowAndMayComeFromAFolderOrMemory) {
    HWND window = MakeWindow(PlainClass, 40);
    ASSERT_EQ(KanvioSkinStart(neon_), KanvioSkinOk) << KanvioSkinLastError();
    guitest::PumpUntilIdle();
    const guitest::Capture inNeon = TitleOf(window);

    KanvioSkin* daylight = nullptr;
    ASSERT_EQ(KanvioSkinLoadFolder(Wide(KANVIO_SKIN_FOLDER).c_str(), &daylight), KanvioSkinOk)
        << KanvioSkinLastError();
    ASSERT_EQ(KanvioSkinStart(daylight), KanvioSkinOk);
    guitest::PumpUntilIdle();
    const guitest::Capture inDaylight = TitleOf(window);
    EXPECT_NE(inDaylight.pixels, inNeon.pixels);

    // The same skin from its package in memory looks the same.
    const std::vector<uint8_t> package = ReadFile(SkinPath("kanvio_daylight"));
    KanvioSkin* fromMemory = nullptr;
    ASSERT_EQ(KanvioSkinLoadMemory(package.data(), package.size(), &fromMemory), KanvioSkinOk)
        << KanvioSkinLastError();
    ASSERT_EQ(KanvioSkinStart(neon_), KanvioSkinOk);
    guitest::PumpUntilIdle();
    ASSERT_EQ(KanvioSkinStart(fromMemory), KanvioSkinOk);
    guitest::PumpUntilIdle();
    EXPECT_EQ(TitleOf(window).pixels, inDaylight.pixels);

    // A skin freed while it is shown keeps showing.
    EXPECT_EQ(KanvioSkinFree(fromMemory), KanvioSkinOk);
    EXPECT_EQ(KanvioSkinFree(daylight), KanvioSkinOk);
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    guitest::PumpUntilIdle();
    EXPECT_EQ(TitleOf(window).pixels, inDaylight.pixels);
    DestroyWindow(window);
}

TEST_F(Library, AProgramStillReachesItsWindowsMenuToTickAndGreyItsItems) {
    constexpr UINT ItemId = 7;
    HMENU menu = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, ItemId, L"&Item");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    HWND window = CreateWindowExW(0, PlainClass, L"With a menu", WS_OVERLAPPEDWINDOW, 40, 60, 320,
                                  220, nullptr, menu, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    guitest::PumpUntilIdle();
    ASSERT_EQ(KanvioSkinStart(neon_), KanvioSkinOk) << KanvioSkinLastError();
    guitest::PumpUntilIdle();
    ASSERT_NE(ProcOf(window), PlainProc);
    // The skin's bar drew the menu; the program's own calls still find it.
    ASSERT_EQ(GetMenu(window), menu);
    CheckMenuItem(GetMenu(window), ItemId, MF_BYCOMMAND | MF_CHECKED);
    EnableMenuItem(GetMenu(window), ItemId, MF_BYCOMMAND | MF_GRAYED);
    const UINT state = GetMenuState(file, ItemId, MF_BYCOMMAND);
    EXPECT_TRUE(state & MF_CHECKED);
    EXPECT_TRUE(state & MF_GRAYED);
    ASSERT_EQ(KanvioSkinStop(), KanvioSkinOk);
    guitest::PumpUntilIdle();
    EXPECT_EQ(GetMenu(window), menu) << "the window has its menu back";
    EXPECT_EQ(GetPropW(window, L"KanvioSkinTakenMenu"), nullptr);
    DestroyWindow(window);
}

TEST_F(Library, WindowsAndClassesLeftNativeStayAsTheyDrawThemselves) {
    HWND left = MakeWindow(PlainClass, 40);
    HWND other = MakeWindow(OtherClass, 420);
    ASSERT_EQ(KanvioSkinLeaveWindow(left), KanvioSkinOk) << KanvioSkinLastError();
    ASSERT_EQ(KanvioSkinStart(neon_), KanvioSkinOk);
    guitest::PumpUntilIdle();
    EXPECT_EQ(ProcOf(left), PlainProc);
    ASSERT_NE(ProcOf(other), PlainProc);

    // A class left native takes its skinned windows back, and new ones stay.
    ASSERT_EQ(KanvioSkinLeaveClass(L"libraryTESTother"), KanvioSkinOk);
    guitest::PumpUntilIdle();
    EXPECT_EQ(ProcOf(other), PlainProc);
    HWND another = MakeWindow(OtherClass, 200);
    EXPECT_EQ(ProcOf(another), PlainProc);
    HWND skinned = MakeWindow(PlainClass, 300);
    EXPECT_NE(ProcOf(skinned), PlainProc);
    for (HWND window : {skinned, another, other, left}) {
        DestroyWindow(window);
    }
}

TEST_F(Library, BadArgumentsAreRefusedWithAReasonAndNothingElseHappens) {
    KanvioSkin* skin = nullptr;
    const auto refused = [](KanvioSkinResult result, KanvioSkinResult expected,
                            const std::wstring& reasonPart) {
        const std::wstring reason = KanvioSkinLastError();
        if (result != expected) {
            return ::testing::AssertionFailure() << "answered " << result;
        }
        if (reason.find(reasonPart) == std::wstring::npos) {
            return ::testing::AssertionFailure()
                   << "the reason does not name \""
                   << std::string(reasonPart.begin(), reasonPart.end()) << "\"";
        }
        return ::testing::AssertionSuccess();
    };
    EXPECT_TRUE(refused(KanvioSkinLoadFile(L"x.skn", nullptr), KanvioSkinBadArgument, L"null"));
    EXPECT_TRUE(refused(KanvioSkinLoadFile(nullptr, &skin), KanvioSkinBadArgument, L"named"));
    EXPECT_TRUE(
        refused(KanvioSkinLoadFile(L"C:\\no\\such.skn", &skin), KanvioSkinRefused, L"such.skn"));
    EXPECT_EQ(skin, nullptr);
    const uint8_t junk[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    EXPECT_TRUE(refused(KanvioSkinLoadMemory(junk, sizeof(junk), &skin), KanvioSkinRefused, L""));
    EXPECT_NE(std::wstring(KanvioSkinLastError()), L"");
    EXPECT_TRUE(refused(KanvioSkinLoadMemory(nullptr, 10, &skin), KanvioSkinBadArgument, L""));
    EXPECT_TRUE(refused(KanvioSkinLoadFolder(Wide(SkinPath("kanvio_neon")).c_str(), &skin),
                        KanvioSkinRefused, L"not a folder"));

    // Skins that are gone, or never were.
    KanvioSkin* freed = nullptr;
    ASSERT_EQ(KanvioSkinLoadFile(Wide(SkinPath("kanvio_daylight")).c_str(), &freed), KanvioSkinOk);
    ASSERT_EQ(KanvioSkinFree(freed), KanvioSkinOk);
    EXPECT_TRUE(refused(KanvioSkinStart(freed), KanvioSkinBadArgument, L"freed"));
    EXPECT_TRUE(refused(KanvioSkinFree(freed), KanvioSkinBadArgument, L"freed"));
    EXPECT_TRUE(refused(KanvioSkinStart(nullptr), KanvioSkinBadArgument, L"null"));
    COLORREF colour = 0;
    EXPECT_TRUE(refused(KanvioSkinGetColour(freed, KanvioSkinFace, &colour), KanvioSkinBadArgument,
                        L"freed"));
    EXPECT_TRUE(refused(KanvioSkinGetColour(neon_, KanvioSkinColour(99), &colour),
                        KanvioSkinBadArgument, L"99"));
    EXPECT_TRUE(refused(KanvioSkinGetColour(neon_, KanvioSkinFace, nullptr), KanvioSkinBadArgument,
                        L"null"));
    EXPECT_TRUE(refused(KanvioSkinStop(), KanvioSkinNotStarted, L"not started"));

    // Windows that are gone, and windows and calls of another thread.
    HWND gone = MakeWindow(PlainClass, 40);
    DestroyWindow(gone);
    EXPECT_TRUE(refused(KanvioSkinLeaveWindow(gone), KanvioSkinBadArgument, L"gone"));
    EXPECT_TRUE(refused(KanvioSkinLeaveWindow(nullptr), KanvioSkinBadArgument, L"null"));
    EXPECT_TRUE(refused(KanvioSkinLeaveClass(L""), KanvioSkinBadArgument, L"class"));
    // A window of another thread is that thread's engine's to change.
    HWND othersWindow = nullptr;
    std::thread other([&] {
        othersWindow = CreateWindowExW(0, PlainClass, L"", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    });
    other.join();
    // The thread has ended, so its window too: make one that lives.
    EXPECT_TRUE(refused(KanvioSkinLeaveWindow(othersWindow), KanvioSkinBadArgument, L"gone"));
    const HANDLE made = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread keeper([&] {
        othersWindow = CreateWindowExW(0, PlainClass, L"", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetEvent(made);
        WaitForSingleObject(done, INFINITE);
        DestroyWindow(othersWindow);
    });
    WaitForSingleObject(made, INFINITE);
    EXPECT_TRUE(refused(KanvioSkinLeaveWindow(othersWindow), KanvioSkinWrongThread, L"belongs to"));
    SetEvent(done);
    keeper.join();
    CloseHandle(done);
    CloseHandle(made);

    // The colours a program draws with come from the skin.
    ASSERT_EQ(KanvioSkinGetColour(neon_, KanvioSkinFace, &colour), KanvioSkinOk);
    skin::TSkinModel model;
    ASSERT_TRUE(model.LoadSkin(ReadFile(SkinPath("kanvio_neon"))));
    EXPECT_EQ(colour, tk::ResolveColour(model.ButtonFaceColour));
    EXPECT_STREQ(KanvioSkinLastError(), L"");
}

// What a thread of its own saw of its window, step by step.
struct TWorkerSaw {
    KanvioSkinResult started = KanvioSkinRefused;
    bool skinned = false;
    bool nativeAfterStop = false;
    bool leftClassWentNative = false;
    bool endedRunning = false;
};

TEST_F(Library, EachThreadSkinsItsOwnWindowsAndStopsThemAlone) {
    HWND mine = MakeWindow(PlainClass, 40);
    const guitest::Capture native = TitleOf(mine);
    ASSERT_EQ(KanvioSkinStart(neon_), KanvioSkinOk) << KanvioSkinLastError();
    guitest::PumpUntilIdle();
    ASSERT_NE(ProcOf(mine), PlainProc);

    // The worker skins its windows beside ours; the main thread's steps
    // between its own wait on events.
    TWorkerSaw saw;
    const HANDLE workerReady = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    const HANDLE mainDone = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    std::thread worker([&] {
        saw.started = KanvioSkinStart(neon_);
        HWND window = MakeWindow(PlainClass, 420);
        HWND other = MakeWindow(WorkerClass, 200);
        saw.skinned = ProcOf(window) != PlainProc && ProcOf(other) != PlainProc;
        SetEvent(workerReady);
        // The main thread leaves the other class native for every thread.
        WaitForSingleObject(mainDone, INFINITE);
        guitest::PumpUntilIdle();
        saw.leftClassWentNative = ProcOf(other) == PlainProc && ProcOf(window) != PlainProc;
        saw.nativeAfterStop = KanvioSkinStop() == KanvioSkinOk;
        guitest::PumpUntilIdle();
        saw.nativeAfterStop = saw.nativeAfterStop && ProcOf(window) == PlainProc;
        SetEvent(workerReady);
        // Started again and ended with the engine running: the thread's end
        // takes it down.
        WaitForSingleObject(mainDone, INFINITE);
        saw.endedRunning = KanvioSkinStart(neon_) == KanvioSkinOk;
        guitest::PumpUntilIdle();
        saw.endedRunning = saw.endedRunning && ProcOf(window) != PlainProc;
        DestroyWindow(other);
        DestroyWindow(window);
    });
    WaitForSingleObject(workerReady, INFINITE);
    EXPECT_EQ(saw.started, KanvioSkinOk);
    EXPECT_TRUE(saw.skinned) << "the worker's windows are skinned by its own engine";
    ASSERT_EQ(KanvioSkinLeaveClass(WorkerClass), KanvioSkinOk);
    SetEvent(mainDone);
    WaitForSingleObject(workerReady, INFINITE);
    EXPECT_TRUE(saw.leftClassWentNative) << "a class left native by another thread";
    EXPECT_TRUE(saw.nativeAfterStop) << "the worker's stop gave its window back";
    // The worker's stop left this thread's engine and window as they were.
    guitest::PumpUntilIdle();
    EXPECT_NE(ProcOf(mine), PlainProc);
    SetEvent(mainDone);
    worker.join();
    EXPECT_TRUE(saw.endedRunning);
    RedrawWindow(mine, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    guitest::PumpUntilIdle();
    EXPECT_TRUE(Skinned(mine, PlainProc, native)) << "this thread's frame still paints";
    CloseHandle(mainDone);
    CloseHandle(workerReady);
    DestroyWindow(mine);
}

TEST_F(Library, FreeingTheLibraryWhileWindowsAreSkinnedLeavesItInPlace) {
    HWND window = MakeWindow(PlainClass, 40);
    ASSERT_EQ(KanvioSkinStart(neon_), KanvioSkinOk);
    guitest::PumpUntilIdle();
    HMODULE library = LoadLibraryW(L"kanvioskin.dll");
    ASSERT_NE(library, nullptr);
    // More releases than anyone took: the library would go if it could.
    for (int i = 0; i < 4; ++i) {
        FreeLibrary(library);
    }
    EXPECT_NE(GetModuleHandleW(L"kanvioskin.dll"), nullptr);
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    SetWindowPos(window, nullptr, 0, 0, 360, 240, SWP_NOMOVE | SWP_NOZORDER);
    guitest::PumpUntilIdle();
    EXPECT_NE(ProcOf(window), PlainProc);
    DestroyWindow(window);
}

} // namespace
