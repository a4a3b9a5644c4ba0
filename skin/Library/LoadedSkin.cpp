#include "skin/Library/LoadedSkin.h"

#include "skin/WinSkinData/SkinModel.h"
#include "tools/skinview/SkinSource.h"

namespace skinlib {
namespace {

// The bytes of the skin at `path`, which must be of the kind asked for.
std::vector<uint8_t> ReadSkin(const std::filesystem::path& path, skinview::TSourceKind kind,
                              const char* otherKind) {
    try {
        const skinview::TSkinSource source = skinview::FindSkinSource(path);
        if (source.kind != kind) {
            throw TRefusal(skinview::SourceName(source) + otherKind);
        }
        return skinview::ReadSkinPackage(source);
    } catch (const skinview::TViewError& error) {
        throw TRefusal(error.what());
    }
}

} // namespace

TLoadedSkin::TLoadedSkin(std::vector<uint8_t> package) : package_(std::move(package)) {
    std::string notice;
    const auto hear = [&](const std::string& text) {
        notice += notice.empty() ? text : "\n" + text;
    };
    skin::TSkinModel model;
    if (!model.LoadSkin(package_, hear)) {
        throw TRefusal(model.refusal.empty() ? notice : model.refusal);
    }
    const skin::TSkinModel& m = model;
    colours_ = {
        m.ButtonFaceColour,  m.ButtonTextColour,      m.WindowTextColour,       m.HilightColour,
        m.HilightTextColour, m.ButtonShadowColour,    m.ButtonHilightColour,    m.MenuColour,
        m.MenuTextColour,    m.TitleTextActiveColour, m.TitleTextNoActiveColour};
}

std::vector<uint8_t> ReadPackageFile(const std::filesystem::path& path) {
    return ReadSkin(path, skinview::TSourceKind::Package,
                    " is an unpacked skin, not a package file");
}

std::vector<uint8_t> ReadPackageFolder(const std::filesystem::path& folder) {
    return ReadSkin(folder, skinview::TSourceKind::Folder, " is a package file, not a folder");
}

} // namespace skinlib
