#include "WinSkinData.h"

#include "Properties.h"

#include <algorithm>

namespace skin {

const tk::ClassInfo& TSkinData::StaticClass() {
    static const tk::ClassInfo info =
        tk::ClassInfo::Make<TSkinData>("TSkinData", &tk::Component::StaticClass(), [](auto&) {});
    return info;
}

namespace {

std::wstring Wide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(size_t(std::max(length, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), length);
    return wide;
}

} // namespace

COLORREF ResolveColour(Colour colour) {
    return IsSystemColour(colour) ? GetSysColor(int(colour & 0xFF)) : COLORREF(colour);
}

TSkinData::TSkinData(tk::Component* owner)
    : tk::Component(owner), OnNotice([](const std::string& text) {
          MessageBoxW(nullptr, Wide(text).c_str(), L"", MB_OK);
      }) {}

bool TSkinData::SetSkinStream(std::vector<uint8_t> package) {
    skinStream_ = std::move(package);
    return LoadSkin(skinStream_, OnNotice);
}

void TSkinData::DefineProperties(tk::BinaryProperties& properties) {
    properties.Define("SkinStream",
                      [this](std::span<const uint8_t> payload) { ReadSkinStream(payload); });
}

void TSkinData::ReadSkinStream(std::span<const uint8_t> payload) {
    // A count of 0 or less leaves the stream and the model as they are; a
    // count past the end of the block is cut to the bytes that are there.
    if (payload.size() < 4)
        return;
    const int32_t count = int32_t(uint32_t(payload[0]) | uint32_t(payload[1]) << 8 |
                                  uint32_t(payload[2]) << 16 | uint32_t(payload[3]) << 24);
    if (count <= 0)
        return;
    const size_t size = std::min(size_t(count), payload.size() - 4);
    SetSkinStream(std::vector<uint8_t>(payload.begin() + 4, payload.begin() + 4 + long(size)));
}

void TSkinData::SkinParsed() {
    buttonFaceBrush_.reset(CreateSolidBrush(ResolveColour(ButtonFaceColour)));
}

} // namespace skin
