// What each program a user starts declares in its manifest, read the way
// the system's loader reads it: an activation context made from the
// program's resource 1 of type RT_MANIFEST. A manifest the loader cannot
// parse, a declaration in a namespace the loader does not look in, or a
// program built without the resource fails here, where the program itself
// would only run unscaled or with the old common controls.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

// The programs as they are shipped (Kanvio.exe after stripping).
const std::vector<std::wstring>& ShippedPrograms() {
    static const std::vector<std::wstring> programs = {KANVIO_MANIFEST_GALLERY,
                                                       KANVIO_MANIFEST_SKINVIEW};
    return programs;
}

constexpr const wchar_t* SettingsNamespace2005 =
    L"http://schemas.microsoft.com/SMI/2005/WindowsSettings";
constexpr const wchar_t* SettingsNamespace2016 =
    L"http://schemas.microsoft.com/SMI/2016/WindowsSettings";

// The manifest text as the program carries it; empty when it has none.
std::string ManifestResource(const std::wstring& program) {
    HMODULE module = LoadLibraryExW(program.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) {
        return {};
    }
    std::string text;
    if (HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST)) {
        if (HGLOBAL loaded = LoadResource(module, found)) {
            text.assign(static_cast<const char*>(LockResource(loaded)),
                        SizeofResource(module, found));
        }
    }
    FreeLibrary(module);
    return text;
}

// The activation context the loader makes from the program's manifest.
class ProgramContext {
public:
    explicit ProgramContext(const std::wstring& program) {
        ACTCTXW request{};
        request.cbSize = sizeof request;
        request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.lpSource = program.c_str();
        request.lpResourceName = MAKEINTRESOURCEW(1);
        context_ = CreateActCtxW(&request);
    }
    ~ProgramContext() {
        if (Valid()) {
            ReleaseActCtx(context_);
        }
    }
    ProgramContext(const ProgramContext&) = delete;
    ProgramContext& operator=(const ProgramContext&) = delete;

    bool Valid() const { return context_ != INVALID_HANDLE_VALUE; }

    // A <windowsSettings> value; empty when the manifest has none in that
    // namespace.
    std::wstring Setting(const wchar_t* name, const wchar_t* space) const {
        wchar_t value[128] = {};
        SIZE_T written = 0;
        if (!QueryActCtxSettingsW(0, context_, space, name, value, ARRAYSIZE(value), &written)) {
            return {};
        }
        return value;
    }

    // True when the context sends a load of `dll` to an assembly it depends
    // on (the common controls 6 for comctl32.dll).
    bool Redirects(const wchar_t* dll) const {
        ULONG_PTR cookie = 0;
        if (!ActivateActCtx(context_, &cookie)) {
            return false;
        }
        ACTCTX_SECTION_KEYED_DATA data{};
        data.cbSize = sizeof data;
        const bool found = FindActCtxSectionStringW(
            0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, dll, &data);
        DeactivateActCtx(0, cookie);
        return found;
    }

private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
};

// The supportedOS identities of the manifest text, in the order written.
std::vector<std::string> SupportedSystems(const std::string& manifest) {
    std::vector<std::string> ids;
    const std::string element = "<supportedOS Id=\"";
    for (size_t at = manifest.find(element); at != std::string::npos;
         at = manifest.find(element, at + 1)) {
        const size_t start = at + element.size();
        ids.push_back(manifest.substr(start, manifest.find('"', start) - start));
    }
    return ids;
}

class ShippedManifest : public ::testing::TestWithParam<std::wstring> {};

TEST_P(ShippedManifest, IsCarriedAndReadByTheLoader) {
    EXPECT_FALSE(ManifestResource(GetParam()).empty()) << "no RT_MANIFEST resource 1";
    const ProgramContext context(GetParam());
    ASSERT_TRUE(context.Valid()) << "the loader refuses the manifest, error " << GetLastError();
}

// Every program is drawn at the screen's own pixels: its forms and the skin
// scale themselves. Systems that know the 2016 settings take per-monitor
// awareness (version 2 where they have it); older ones the 2005 setting.
TEST_P(ShippedManifest, DeclaresAwarenessOfEachScreensScale) {
    const ProgramContext context(GetParam());
    ASSERT_TRUE(context.Valid());
    EXPECT_EQ(context.Setting(L"dpiAwareness", SettingsNamespace2016), L"PerMonitorV2, PerMonitor");
    EXPECT_EQ(context.Setting(L"dpiAware", SettingsNamespace2005), L"true/pm");
}

TEST_P(ShippedManifest, TakesTheCommonControlsOfVersionSix) {
    const ProgramContext context(GetParam());
    ASSERT_TRUE(context.Valid());
    EXPECT_TRUE(context.Redirects(L"comctl32.dll"))
        << "comctl32.dll is not taken from the assembly";
}

TEST_P(ShippedManifest, NamesWindowsSevenToElevenAsSupported) {
    const std::vector<std::string> expected = {
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", // 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", // 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", // 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", // 10 and 11
    };
    EXPECT_EQ(SupportedSystems(ManifestResource(GetParam())), expected);
}

INSTANTIATE_TEST_SUITE_P(Programs, ShippedManifest, ::testing::ValuesIn(ShippedPrograms()),
                         [](const auto& info) { return info.index == 0 ? "Gallery" : "Skinview"; });

} // namespace
