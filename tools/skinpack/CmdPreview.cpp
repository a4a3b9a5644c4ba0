// skinpack preview: the skin's contact sheet as a PNG (Windows build only,
// as the sheet is drawn with GDI).
#include "tools/skinpack/Commands.h"

#include "tools/png/PngWriter.h"
#include "tools/skinpreview/PreviewSheet.h"
#include "tools/skinpack/ToolSupport.h"

#include "base/Colour.h"

#include <ostream>

namespace skinpack {

int RunPreview(const TCommandArgs& args, std::ostream& out, std::ostream&) {
    const std::vector<std::string>& files = ExpectPositional(args, 2);
    skin::TSkinModel skin;
    std::string notice;
    const auto keep = [&notice](const std::string& text) { notice = text; };
    if (!skin.LoadSkin(ReadWholeFile(PathFromUtf8(files[0])), keep)) {
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
        << skin.SkinName << "\n";
    return 0;
}

} // namespace skinpack
