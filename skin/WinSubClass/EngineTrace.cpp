#include "skin/WinSubClass/EngineTrace.h"

#include "skin/WinSkinData/SkinCodes.h"

#include <array>

namespace skin {
namespace {

constexpr tk::MessageNameEntry Named(unsigned msg, std::string_view name) {
    return {msg, name};
}
// Each entry's name is the spelling of its value.
#define SKIN_NAMED(value) Named(value, #value)

constexpr auto PrivateMessages = std::to_array<tk::MessageNameEntry>({
    SKIN_NAMED(WM_SKINREFRESH),
    SKIN_NAMED(WM_SKINPAINTFRAME),
    SKIN_NAMED(WM_SKINSTART),
    SKIN_NAMED(WM_SKINQUERY),
    SKIN_NAMED(WM_SKINBUTTONACTION),
});

#undef SKIN_NAMED

} // namespace

std::span<const tk::MessageNameEntry> EngineMessageNames() {
    return PrivateMessages;
}

} // namespace skin
