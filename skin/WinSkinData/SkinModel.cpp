#include "skin/WinSkinData/SkinModel.h"

#include "skin/WinSkinData/SkinParser.h"
#include "skin/WinSkinData/SkinScale.h"
#include "skin/SkinRead/SkinReader.h"
#include "skin/WinSkinIni.h"

#include <exception>

namespace skin {

TSkinModel::TSkinModel() = default;
TSkinModel::~TSkinModel() = default;

std::vector<TDataSkinObject*> TSkinModel::OptionalElements() {
    return {Tabs.get(),
            Progress.get(),
            UpDownHorz.get(),
            UpDownVert.get(),
            SunkEdge.get(),
            ExtraImages.get(),
            ComboButton.get(),
            GroupBoxEdge.get(),
            Toolbars.get(),
            GroupBox.get(),
            StatusBarEdges.get(),
            Headerbar.get(),
            MenuBar.get(),
            MenuItem.get(),
            MenuBackground.get(),
            Scrollbar.get(),
            HorzScroll.get(),
            VertScroll.get(),
            HorzScrollThumb.get(),
            VertScrollThumb.get(),
            TrackbarThumbHorz.get(),
            TrackbarThumbVert.get(),
            TrackbarThumbLeft.get(),
            TrackbarThumbRight.get(),
            TrackbarThumbUp.get(),
            TrackbarThumbDown.get()};
}

std::vector<const TDataSkinObject*> TSkinModel::OptionalElements() const {
    const std::vector<TDataSkinObject*> elements =
        const_cast<TSkinModel*>(this)->OptionalElements();
    return {elements.begin(), elements.end()};
}

bool TSkinModel::LoadSkin(std::span<const uint8_t> package, const TNoticeSink& notice, int atDpi) {
    SkinLoaded = false;
    TSkinReader reader(notice);
    if (!reader.Load(package)) {
        refusal = reader.RejectReason();
        return false;
    }
    refusal.clear();
    incompleteEntries = reader.CutShort() ? reader.Count() - reader.WholeEntries() : 0;
    problems.clear();
    std::vector<uint8_t> iniText;
    std::string iniName;
    if (!reader.GetEntryContaining(".ini", iniText, iniName)) {
        problems.push_back({"", "the package holds no INI; every setting takes its default"});
    }
    TQuickIni ini;
    ini.LoadFromStream(iniText);
    TSkinParser parser(*this, ini, reader, atDpi >= DoubleArtDpi);
    try {
        parser.ParseSkin();
        ScaleSkin(*this, atDpi, parser.DoubleArt());
    } catch (const std::exception& e) {
        // Only running out of memory gets here (every key has a default);
        // the model is then partly replaced and counts as not loaded.
        if (notice) {
            notice(std::string("The skin could not be loaded: ") + e.what());
        }
        return false;
    }
    SkinParsed();
    SkinLoaded = true;
    return true;
}

} // namespace skin
