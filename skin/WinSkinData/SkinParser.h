// Reads the sections of a skin INI into a TSkinModel, taking the bitmaps the
// INI names from the package. Used by TSkinModel::LoadSkin; one parser per
// load.
#pragma once

#include "skin/WinSkinData/SkinModel.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TSkinReader;

namespace skin {

class TQuickIni;

class TSkinParser {
public:
    // With `doubleArt`, every bitmap read beside which the package holds
    // double-size art ("name@2x.bmp", exactly twice as wide and high) has
    // that art kept too: DoubleArt() then maps the model's bitmap to it.
    TSkinParser(TSkinModel& model, const TQuickIni& ini, const TSkinReader& package,
                bool doubleArt = false);

    // Reads everything, in an order that matters: colours before the
    // elements whose defaults use ButtonTextColour, and the skin's caption
    // buttons before the MDI buttons appended to them.
    void ParseSkin();

    // Fills `bitmap` from the package entry an INI value names (its file-name
    // part, which must end in ".bmp" exactly); empties it when there is none.
    // Returns why a value that names something gave no bitmap; "" when the
    // bitmap was loaded or the value is empty.
    std::string LoadSkinBitmap(TDib& bitmap, std::string_view value);

    // The double-size art found for the model's bitmaps (see the constructor).
    const std::map<const TDib*, TDib>& DoubleArt() const { return doubleArt_; }

private:
    // Whether an element's image key has its section to itself: then a
    // section without the key is a section the skin cannot use.
    enum class ImageKey { OwnSection, SharedSection };

    void ReadFrameBorders();
    void ReadColours();
    void ReadColourTable();
    void ReadCaptionButtons();
    std::unique_ptr<TDataSkinSysButton> ReadCaptionButton(const std::string& section,
                                                          int32_t action);
    void AppendMdiButtons();
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

    // The opening every element shares: none when the image key is empty,
    // else an element named after the section with its bitmap loaded.
    template <class T>
    std::unique_ptr<T> OpenElement(std::string_view section, std::string_view imageKey,
                                   ImageKey use = ImageKey::OwnSection);
    // Loads Bitmap2 from the value of `key`, when the section gives one.
    void ReadSecondImage(TDataSkinBorder& element, std::string_view section, std::string_view key);
    // Loads a bitmap from an INI value, noting why it stayed empty.
    void ReadImage(TDib& bitmap, std::string_view section, std::string_view key,
                   std::string_view value);
    // Keeps the double-size art of `bitmap` (read from `value`), if the
    // package holds a usable one.
    void ReadDoubleArt(const TDib& bitmap, std::string_view section, std::string_view value);
    // The margins, Trans and Tile, as every element section writes them.
    void ReadPlacement(TDataSkinObject& element, std::string_view section);
    // The keys every generic element section shares.
    void ReadGenericKeys(TDataSkinObject& element, std::string_view section, bool withStyle);
    // A title text colour from its R, G and B keys, noting a partial one.
    void ReadTextColour(std::string_view section, std::string_view name, Colour& colour);
    // The three integer and the three RGB-text state colours.
    void ReadStateColours(TDataSkinObject& element, std::string_view section);
    Colour ReadRgbText(std::string_view section, std::string_view key, Colour fallback);
    int32_t Int(std::string_view section, std::string_view key, int32_t fallback);
    std::string Str(std::string_view section, std::string_view key) const;
    void Note(std::string_view section, std::string reason);

    TSkinModel& model_;
    const TQuickIni& ini_;
    const TSkinReader& package_;
    std::vector<uint8_t> entry_;
    const bool wantDoubleArt_;
    std::map<const TDib*, TDib> doubleArt_;
};

} // namespace skin
