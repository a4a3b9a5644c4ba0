// TSkinData: the skin component a form carries. It keeps the skin package in
// the form's design (the stored binary property "SkinStream": a 32-bit byte
// count, then the package) and owns the in-memory skin built from it, which
// it parses the moment the design hands the package over.
#pragma once

#include "Component.h"
#include "ImgUtil.h"
#include "SkinModel.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace skin {

class TSkinData : public tk::Component, public TSkinModel {
    TK_CLASS(TSkinData)

public:
    explicit TSkinData(tk::Component* owner);

    // The stored package as the design gave it (without the byte count).
    const std::vector<uint8_t>& SkinStream() const { return skinStream_; }
    // Replaces the stored package and parses it; false when the reader
    // refuses it (the model then stays as it was, SkinLoaded false).
    bool SetSkinStream(std::vector<uint8_t> package);

    // Solid brush of ButtonFaceColour (system colours resolved), remade by
    // every load; none before the first.
    HBRUSH ButtonFaceBrush() const { return buttonFaceBrush_.get(); }

    // The form frame paints non-client areas only while these are set; it
    // clears them around default handling.
    bool FramePaintEnabled = true;
    bool FramePainting = true;

    // Shows the package reader's messages (another package version, a
    // damaged package); a plain message box unless replaced.
    std::function<void(const std::string&)> OnNotice;

    void DefineProperties(tk::BinaryProperties& properties) override;

protected:
    void SkinParsed() override;

private:
    void ReadSkinStream(std::span<const uint8_t> payload);

    std::vector<uint8_t> skinStream_;
    tk::OwnedBrush buttonFaceBrush_;
};

// The RGB value a skin colour stands for: system colours (0xFF0000nn) are
// looked up, the others are returned as they are.
COLORREF ResolveColour(Colour colour);

// The margin rectangle of an element, as the drawing routines take it.
inline RECT MarginRect(const TDataSkinObject& element) {
    return {element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight};
}

} // namespace skin
