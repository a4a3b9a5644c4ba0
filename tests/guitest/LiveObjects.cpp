// Counting this process's live GDI and USER objects without GetGuiResources
// (see GuiTest.h for what each count covers).
#include "tests/guitest/GuiTest.h"

#include <atomic>
#include <cwchar>
#include <iterator>
#include <mutex>
#include <set>

namespace guitest {
namespace {

// GDI handle indices run below this; a handle value whose upper word is 0
// names whatever live object holds that index.
constexpr unsigned GdiHandleIndices = 0x10000;

// USER handles as Wine numbers them: even values from 0x20 up to 0xFFEE, one
// per table entry (an odd value names the same entry as the even one below).
constexpr unsigned FirstUserHandle = 0x20;
constexpr unsigned LastUserHandle = 0xFFEF;
constexpr unsigned UserHandleStep = 2;

int CountGdiObjects() {
    if (const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) {
        return int(reported);
    }
    int live = 0;
    for (unsigned index = 1; index < GdiHandleIndices; ++index) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(UINT_PTR(index)))) {
            ++live;
        }
    }
    return live;
}

int CountMenus() {
    int live = 0;
    for (unsigned value = FirstUserHandle; value <= LastUserHandle; value += UserHandleStep) {
        if (IsMenu(reinterpret_cast<HMENU>(UINT_PTR(value)))) {
            ++live;
        }
    }
    return live;
}

// The system's own window class for a thread's input method window: Wine
// makes one with a thread's first top-level window and destroys it with the
// last, so it comes and goes with the program's windows.
constexpr wchar_t InputMethodClass[] = L"IME";

// A window of this process other than an input method window.
bool IsOurs(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) {
        return false;
    }
    wchar_t className[std::size(InputMethodClass) + 1] = {};
    GetClassNameW(window, className, int(std::size(className)));
    return wcscmp(className, InputMethodClass) != 0;
}

BOOL CALLBACK CountOwnWindow(HWND window, LPARAM count) {
    if (IsOurs(window)) {
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

// A top-level window of ours with all its descendants.
BOOL CALLBACK CountOwnTree(HWND window, LPARAM count) {
    if (IsOurs(window)) {
        ++*reinterpret_cast<int*>(count);
        EnumChildWindows(window, CountOwnWindow, count);
    }
    return TRUE;
}

int CountWindows() {
    int live = 0;
    EnumWindows(CountOwnTree, reinterpret_cast<LPARAM>(&live));
    // Message-only windows hang under a root of their own that EnumWindows
    // does not visit; its descendants are every message-only window.
    if (HWND any = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr)) {
        EnumChildWindows(GetAncestor(any, GA_PARENT), CountOwnWindow,
                         reinterpret_cast<LPARAM>(&live));
    }
    return live;
}

// Hooks: the executable's imports of the hook functions are redirected to
// counting wrappers before main runs. Deletions of GDI objects: its imports
// of SelectObject and DeleteObject, once a test asks for them to be watched.
using SetHookFunction = HHOOK(WINAPI*)(int, HOOKPROC, HINSTANCE, DWORD);
using UnhookFunction = BOOL(WINAPI*)(HHOOK);

using SelectFunction = HGDIOBJ(WINAPI*)(HDC, HGDIOBJ);
using DeleteFunction = BOOL(WINAPI*)(HGDIOBJ);

struct HookLedger {
    std::mutex lock;
    std::set<HHOOK> live;
    SetHookFunction setW = nullptr;
    SetHookFunction setA = nullptr;
    UnhookFunction unhook = nullptr;
    // The device contexts objects were selected into, and the deletions of
    // an object selected into one of them when it was deleted.
    std::set<HDC> selectedInto;
    std::atomic<int> refused = 0;
    SelectFunction select = nullptr;
    DeleteFunction remove = nullptr;
};

HookLedger& Ledger() {
    static HookLedger ledger;
    return ledger;
}

HHOOK Installed(HHOOK hook) {
    if (hook) {
        std::lock_guard guard(Ledger().lock);
        Ledger().live.insert(hook);
    }
    return hook;
}

HHOOK WINAPI CountedSetHookW(int id, HOOKPROC procedure, HINSTANCE module, DWORD thread) {
    return Installed(Ledger().setW(id, procedure, module, thread));
}

HHOOK WINAPI CountedSetHookA(int id, HOOKPROC procedure, HINSTANCE module, DWORD thread) {
    return Installed(Ledger().setA(id, procedure, module, thread));
}

BOOL WINAPI CountedUnhook(HHOOK hook) {
    const BOOL removed = Ledger().unhook(hook);
    if (removed) {
        std::lock_guard guard(Ledger().lock);
        Ledger().live.erase(hook);
    }
    return removed;
}

HGDIOBJ WINAPI CountedSelectObject(HDC dc, HGDIOBJ object) {
    {
        std::lock_guard guard(Ledger().lock);
        Ledger().selectedInto.insert(dc);
    }
    return Ledger().select(dc, object);
}

// Whether `object` is selected into a live device context it was once
// selected into: the one state in which Windows refuses to delete it.
bool SelectedAnywhere(HGDIOBJ object) {
    const DWORD type = GetObjectType(object);
    if (type != OBJ_BRUSH && type != OBJ_PEN && type != OBJ_FONT && type != OBJ_BITMAP) {
        return false;
    }
    std::lock_guard guard(Ledger().lock);
    std::set<HDC>& dcs = Ledger().selectedInto;
    for (auto dc = dcs.begin(); dc != dcs.end();) {
        const DWORD dcType = GetObjectType(*dc);
        if (dcType != OBJ_DC && dcType != OBJ_MEMDC && dcType != OBJ_ENHMETADC) {
            dc = dcs.erase(dc);
            continue;
        }
        if (GetCurrentObject(*dc, UINT(type)) == object) {
            return true;
        }
        ++dc;
    }
    return false;
}

BOOL WINAPI CountedDeleteObject(HGDIOBJ object) {
    if (object && SelectedAnywhere(object)) {
        ++Ledger().refused;
    }
    return Ledger().remove(object);
}

void Redirect(void** slot, void* replacement) {
    DWORD protection = 0;
    if (VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection)) {
        *slot = replacement;
        VirtualProtect(slot, sizeof *slot, protection, &protection);
    }
}

// Points every import slot of the executable that holds `from` at `to`.
void RedirectImport(void* from, void* to) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!from || !imports.VirtualAddress) {
        return;
    }
    for (auto* library =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         library->Name; ++library) {
        for (auto** slot = reinterpret_cast<void**>(base + library->FirstThunk); *slot; ++slot) {
            if (*slot == from) {
                Redirect(slot, to);
            }
        }
    }
}

bool CountHooksFromStart() {
    HookLedger& ledger = Ledger();
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    ledger.setW = reinterpret_cast<SetHookFunction>(
        reinterpret_cast<void*>(GetProcAddress(user32, "SetWindowsHookExW")));
    ledger.setA = reinterpret_cast<SetHookFunction>(
        reinterpret_cast<void*>(GetProcAddress(user32, "SetWindowsHookExA")));
    ledger.unhook = reinterpret_cast<UnhookFunction>(
        reinterpret_cast<void*>(GetProcAddress(user32, "UnhookWindowsHookEx")));
    RedirectImport(reinterpret_cast<void*>(ledger.setW), reinterpret_cast<void*>(&CountedSetHookW));
    RedirectImport(reinterpret_cast<void*>(ledger.setA), reinterpret_cast<void*>(&CountedSetHookA));
    RedirectImport(reinterpret_cast<void*>(ledger.unhook), reinterpret_cast<void*>(&CountedUnhook));
    return true;
}

[[maybe_unused]] const bool HooksCounted = CountHooksFromStart();

int CountHooks() {
    std::lock_guard guard(Ledger().lock);
    return int(Ledger().live.size());
}

} // namespace

ObjectCounts CountLiveObjects() {
    return {CountGdiObjects(), CountWindows(), CountMenus(), CountHooks()};
}

void WatchDeletions() {
    HookLedger& ledger = Ledger();
    if (ledger.select) {
        return;
    }
    HMODULE gdi32 = GetModuleHandleW(L"gdi32.dll");
    ledger.select = reinterpret_cast<SelectFunction>(
        reinterpret_cast<void*>(GetProcAddress(gdi32, "SelectObject")));
    ledger.remove = reinterpret_cast<DeleteFunction>(
        reinterpret_cast<void*>(GetProcAddress(gdi32, "DeleteObject")));
    RedirectImport(reinterpret_cast<void*>(ledger.select),
                   reinterpret_cast<void*>(&CountedSelectObject));
    RedirectImport(reinterpret_cast<void*>(ledger.remove),
                   reinterpret_cast<void*>(&CountedDeleteObject));
}

int RefusedDeletions() {
    return Ledger().refused;
}

WineCachedObjects CountWineCachedObjects() {
    WineCachedObjects cached;
    for (unsigned index = 1; index < GdiHandleIndices; ++index) {
        const DWORD type = GetObjectType(reinterpret_cast<HGDIOBJ>(UINT_PTR(index)));
        cached.dcs += type == OBJ_DC;
        cached.regions += type == OBJ_REGION;
    }
    return cached;
}

bool operator==(const ObjectCounts& a, const ObjectCounts& b) {
    return a.gdi == b.gdi && a.windows == b.windows && a.menus == b.menus && a.hooks == b.hooks;
}

std::ostream& operator<<(std::ostream& out, const ObjectCounts& counts) {
    return out << "{gdi " << counts.gdi << ", windows " << counts.windows << ", menus "
               << counts.menus << ", hooks " << counts.hooks << "}";
}

} // namespace guitest
