// Reads the sections of a skin INI into a TSkinModel, taking the bitmaps the
// INI names from the package. Used by TSkinModel::LoadSkin; one parser per
// load.
#pragma once

#include "skin/WinSkinData/SkinModel.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TSkinReader;

namespace skin {

class TQuickIni;

class TSkinParser {
public:
    TSkinParser(TSkinModel& model, const TQuickIni& ini, const TSkinReader& package);

    // Reads everything, in an order that matters: colours before the
    // elements whose defaults use ButtonTextColour, and the skin's caption
    // buttons before the MDI buttons appended to them.
    void ParseSkin();

    // Fills `bitmap` from the package entry an INI value names (its file-name
    // part, which must end in ".bmp" exactly); empties it when there is none.
    void LoadSkinBitmap(TDib& bitmap, std::string_view value);

private:
    void ReadFrameBorders();
    void ReadColours();
    void ReadColourTable();
    void ReadCaptionButtons();
    void ReadMdiButtons(size_t first);
    void ReadButtons();
    void ReadTitle(std::string_view section);
    std::unique_ptr<TDataSkinBorder> ReadProgress(std::string_view section);
    std::unique_ptr<TDataSkinObject> ReadMenuBar(std::string_view section);
    std::unique_ptr<TDataSkinObject> ReadElement(std::string_view section);
    std::unique_ptr<TDataSkinBorder> ReadBorderElement(std::string_view section,
                                                       std::string_view secondKey);
    std::unique_ptr<TDataSkinBoxLabel> ReadGroupBox(std::string_view section);
    void ReadComboButton();
    void SetFrameCounts();

    // The keys every generic element section shares.
    void ReadGenericKeys(TDataSkinObject& element, std::string_view section, bool withStyle);
    // The three integer and the three RGB-text state colours.
    void ReadStateColours(TDataSkinObject& element, std::string_view section);
    Colour ReadRgbText(std::string_view section, std::string_view key, Colour fallback) const;
    int32_t Int(std::string_view section, std::string_view key, int32_t fallback) const;
    std::string Str(std::string_view section, std::string_view key) const;

    TSkinModel& model_;
    const TQuickIni& ini_;
    const TSkinReader& package_;
    std::vector<uint8_t> entry_;
};

} // namespace skin
