// The C interface of kanvioskin.dll (include/kanvioskin.h). Each entry point
// only checks and unpacks its arguments and hands them to the engine; no
// exception leaves it, and every refusal leaves its reason for
// KanvioSkinLastError.
#include "include/kanvioskin.h"

#include "skin/Library/LastError.h"
#include "skin/Library/LoadedSkin.h"
#include "skin/Library/MenuQuery.h"
#include "skin/Library/ThreadEngine.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "toolkit/Text.h"

#include <filesystem>
#include <map>
#include <mutex>
#include <new>
#include <set>

struct KanvioSkin final : skinlib::TLoadedSkin {
    using TLoadedSkin::TLoadedSkin;
};

namespace {

// Every skin loaded and not freed: a handle is looked up here before it is
// followed. Any thread may load and free.
std::mutex LiveSkinsLock;
std::set<const KanvioSkin*>& LiveSkins() {
    static std::set<const KanvioSkin*> skins;
    return skins;
}

bool IsLive(const KanvioSkin* skin) {
    const std::lock_guard lock(LiveSkinsLock);
    return skin && LiveSkins().count(skin) != 0;
}

// The engines of the threads, each made by its thread's first call that
// needs one. Not thread_local: a thread that ends looks its engine up when
// its thread_local objects may no longer be touched (ThreadEnd.cpp).
std::mutex EnginesLock;
std::map<DWORD, std::unique_ptr<skinlib::TThreadEngine>>& Engines() {
    static std::map<DWORD, std::unique_ptr<skinlib::TThreadEngine>> engines;
    return engines;
}

// The calling thread's engine; the thread alone uses it.
skinlib::TThreadEngine& Engine() {
    const std::lock_guard lock(EnginesLock);
    std::unique_ptr<skinlib::TThreadEngine>& engine = Engines()[GetCurrentThreadId()];
    if (!engine) {
        engine = std::make_unique<skinlib::TThreadEngine>();
    }
    return *engine;
}

KanvioSkinResult Fail(KanvioSkinResult result, const std::string& why) {
    skinlib::SetLastError(why);
    return result;
}

KanvioSkinResult Succeed() {
    skinlib::ClearLastError();
    return KanvioSkinOk;
}

// Runs `work`, turning what it throws into a result and a reason.
template <typename Work> KanvioSkinResult Guarded(Work work) {
    try {
        return work();
    } catch (const skinlib::TRefusal& refusal) {
        return Fail(KanvioSkinRefused, refusal.what());
    } catch (const std::bad_alloc&) {
        return Fail(KanvioSkinRefused, "There is not enough memory for the skin");
    } catch (const std::exception& error) {
        return Fail(KanvioSkinRefused, error.what());
    }
}

KanvioSkinResult Adopt(std::vector<uint8_t> package, KanvioSkin** skin) {
    auto loaded = std::make_unique<KanvioSkin>(std::move(package));
    {
        const std::lock_guard lock(LiveSkinsLock);
        LiveSkins().insert(loaded.get());
    }
    *skin = loaded.release();
    return Succeed();
}

constexpr const char* NoOutput = "No place for the loaded skin was given (a null pointer)";

// Loads the skin at `path` with `read`; the output and the path are checked
// first.
template <typename Read>
KanvioSkinResult LoadNamed(const wchar_t* path, KanvioSkin** skin, const char* unnamed, Read read) {
    if (!skin) {
        return Fail(KanvioSkinBadArgument, NoOutput);
    }
    *skin = nullptr;
    if (!path || !*path) {
        return Fail(KanvioSkinBadArgument, unnamed);
    }
    return Guarded([&] { return Adopt(read(std::filesystem::path(path)), skin); });
}
constexpr const char* NotASkin = "The skin handle is null, or its skin was freed";

// Window procedures and the hook lead into this library once it skinned a
// window: it stays until the process ends.
void StayLoaded() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCWSTR>(&StayLoaded), &self);
}

// The window as the engine may be handed it, or a refusal.
KanvioSkinResult CheckWindow(HWND window) {
    if (!window || !IsWindow(window)) {
        return Fail(KanvioSkinBadArgument, "The window handle is null, or its window is gone");
    }
    const DWORD owner = GetWindowThreadProcessId(window, nullptr);
    if (owner != GetCurrentThreadId()) {
        return Fail(KanvioSkinWrongThread,
                    "The window belongs to thread " + std::to_string(owner) +
                        "; only that thread's skin engine can change it, not thread " +
                        std::to_string(GetCurrentThreadId()) + "'s");
    }
    return KanvioSkinOk;
}

} // namespace

namespace skinlib {

void EndThreadEngine() {
    std::unique_ptr<TThreadEngine> engine;
    {
        const std::lock_guard lock(EnginesLock);
        const auto found = Engines().find(GetCurrentThreadId());
        if (found == Engines().end()) {
            return;
        }
        engine = std::move(found->second);
        Engines().erase(found);
    }
    engine->End();
}

} // namespace skinlib

extern "C" {

KanvioSkinResult KanvioSkinLoadFile(const wchar_t* path, KanvioSkin** skin) {
    return LoadNamed(path, skin, "No skin package file was named", skinlib::ReadPackageFile);
}

KanvioSkinResult KanvioSkinLoadFolder(const wchar_t* folder, KanvioSkin** skin) {
    return LoadNamed(folder, skin, "No skin folder was named", skinlib::ReadPackageFolder);
}

KanvioSkinResult KanvioSkinLoadMemory(const void* bytes, size_t size, KanvioSkin** skin) {
    if (!skin) {
        return Fail(KanvioSkinBadArgument, NoOutput);
    }
    *skin = nullptr;
    if (!bytes || size == 0) {
        return Fail(KanvioSkinBadArgument, "No skin package bytes were given");
    }
    return Guarded([&] {
        const auto* first = static_cast<const uint8_t*>(bytes);
        return Adopt(std::vector<uint8_t>(first, first + size), skin);
    });
}

KanvioSkinResult KanvioSkinFree(KanvioSkin* skin) {
    {
        const std::lock_guard lock(LiveSkinsLock);
        if (!skin || LiveSkins().erase(skin) == 0) {
            return Fail(KanvioSkinBadArgument, NotASkin);
        }
    }
    delete skin;
    return Succeed();
}

KanvioSkinResult KanvioSkinStart(const KanvioSkin* skin) {
    if (!IsLive(skin)) {
        return Fail(KanvioSkinBadArgument, NotASkin);
    }
    return Guarded([&] {
        StayLoaded();
        skinlib::AnswerMenuQueries();
        Engine().Start(skin->Package());
        return Succeed();
    });
}

KanvioSkinResult KanvioSkinStop(void) {
    if (!Engine().Running()) {
        return Fail(KanvioSkinNotStarted,
                    "No window of this thread is skinned: the engine was not started on it");
    }
    return Guarded([&] {
        Engine().Stop();
        return Succeed();
    });
}

KanvioSkinResult KanvioSkinLeaveWindow(HWND window) {
    if (const KanvioSkinResult checked = CheckWindow(window); checked != KanvioSkinOk) {
        return checked;
    }
    return Guarded([&] {
        Engine().LeaveWindow(window);
        return Succeed();
    });
}

KanvioSkinResult KanvioSkinLeaveClass(const wchar_t* className) {
    if (!className || !*className) {
        return Fail(KanvioSkinBadArgument, "No window class was named");
    }
    return Guarded([&] {
        skinlib::TThreadEngine::LeaveClass(tk::Narrow(className));
        return Succeed();
    });
}

KanvioSkinResult KanvioSkinGetColour(const KanvioSkin* skin, KanvioSkinColour which,
                                     COLORREF* colour) {
    if (!colour) {
        return Fail(KanvioSkinBadArgument, "No place for the colour was given (a null pointer)");
    }
    const std::lock_guard lock(LiveSkinsLock);
    if (!skin || LiveSkins().count(skin) == 0) {
        return Fail(KanvioSkinBadArgument, NotASkin);
    }
    const std::vector<skin::Colour>& colours = skin->Colours();
    const auto index = static_cast<size_t>(which);
    if (index >= colours.size()) {
        return Fail(KanvioSkinBadArgument, "There is no skin colour " + std::to_string(index));
    }
    *colour = skin::ResolveColour(colours[index]);
    return Succeed();
}

const wchar_t* KanvioSkinLastError(void) {
    return skinlib::LastError();
}

} // extern "C"
