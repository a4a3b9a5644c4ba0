// skinpack preview: the skin's contact sheet as a PNG (Windows build only,
// as the sheet is drawn with GDI).
#include "tools/skinpack/Commands.h"

#include "tools/png/PngWriter.h"
#include "tools/skinpreview/PreviewSheet.h"
#include "tools/skinpack/ToolSupport.h"

#include "base/Colour.h"

#include <ostream>
#include <string>

namespace skinpack {
namespace {

// The scales a sheet can be drawn at, in per cent of the design's.
constexpr int MinScale = 100;
constexpr int MaxScale = 400;
constexpr int WholeScale = 100;

struct TPreviewArgs {
    std::vector<std::string> files;
    int dpi = base::DesignDpi;
};

// "--scale N": N per cent, a whole number from 100 to 400.
int ParseScale(const std::string& text) {
    const bool digits = !text.empty() && text.size() <= 3 &&
                        text.find_first_not_of("0123456789") == std::string::npos;
    const int percent = digits ? std::stoi(text) : 0;
    if (percent < MinScale || percent > MaxScale) {
        throw TUsageError("--scale takes a per cent from 100 to 400, not '" + text + "'");
    }
    return percent * base::DesignDpi / WholeScale;
}

TPreviewArgs ParsePreviewArgs(const TCommandArgs& args) {
    TPreviewArgs parsed;
    TCommandArgs positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--scale") {
            if (i + 1 == args.size()) {
                throw TUsageError("--scale needs a per cent");
            }
            parsed.dpi = ParseScale(args[++i]);
        } else {
            positional.push_back(args[i]);
        }
    }
    parsed.files = ExpectPositional(positional, 2);
    return parsed;
}

} // namespace

int RunPreview(const TCommandArgs& args, std::ostream& out, std::ostream&) {
    const TPreviewArgs parsed = ParsePreviewArgs(args);
    const std::vector<std::string>& files = parsed.files;
    skin::TSkinModel skin;
    std::string notice;
    const auto keep = [&notice](const std::string& text) { notice = text; };
    if (!skin.LoadSkin(ReadWholeFile(PathFromUtf8(files[0])), keep, parsed.dpi)) {
        throw TToolError(files[0] + ": " + (notice.empty() ? "not a skin package" : notice));
    }
    const skin::TDib sheet = skinpreview::RenderPreviewSheet(skin);
    std::vector<uint32_t> pixels;
    pixels.reserve(size_t(sheet.Width()) * size_t(sheet.Height()));
    for (int y = 0; y < sheet.Height(); ++y) {
        for (int x = 0; x < sheet.Width(); ++x) {
            const skin::Colour c = sheet.Pixel(x, y);
            pixels.push_back(base::ColourPixel(c));
        }
    }
    if (!png::Save(files[1], sheet.Width(), sheet.Height(), pixels)) {
        throw TToolError("cannot write " + files[1]);
    }
    out << files[1] << ": " << sheet.Width() << " x " << sheet.Height() << " preview of "
        << skin.SkinName << " at " << parsed.dpi * WholeScale / base::DesignDpi << " %\n";
    return 0;
}

} // namespace skinpack
