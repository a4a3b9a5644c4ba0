// galleryart CATALOGUE.csv OUTDIR
// Draws the gallery's sample artwork: OUTDIR/Images/<Title5> for every row of
// the catalogue CSV (showing its TitleTxt), the four button pictures in
// OUTDIR/Res/, and the pictures the main window's design embeds in
// OUTDIR/Design/.
#include "tools/galleryart/Artwork.h"
#include "tools/galleryart/ImageFiles.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<std::string> SplitCsvLine(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, ',')) {
        fields.push_back(field);
    }
    if (!line.empty() && line.back() == ',') {
        fields.emplace_back();
    }
    return fields;
}

size_t ColumnOf(const std::vector<std::string>& header, const std::string& name) {
    for (size_t i = 0; i < header.size(); ++i) {
        if (header[i] == name) {
            return i;
        }
    }
    throw std::runtime_error("the catalogue CSV has no column " + name);
}

void DrawThumbnails(const std::string& csvPath, const std::filesystem::path& folder) {
    std::ifstream csv(csvPath);
    if (!csv) {
        throw std::runtime_error("cannot read " + csvPath);
    }
    std::string line;
    std::getline(csv, line);
    const std::vector<std::string> header = SplitCsvLine(line);
    const size_t fileColumn = ColumnOf(header, "Title5");
    const size_t numberColumn = ColumnOf(header, "TitleTxt");
    std::set<std::string> drawn;
    while (std::getline(csv, line)) {
        const std::vector<std::string> fields = SplitCsvLine(line);
        if (fields.size() != header.size()) {
            throw std::runtime_error("malformed catalogue line: " + line);
        }
        if (drawn.insert(fields[fileColumn]).second) {
            galleryart::WriteJpeg((folder / fields[fileColumn]).string(),
                                  galleryart::Thumbnail(fields[numberColumn]), 90);
        }
    }
}

void DrawButtons(const std::filesystem::path& folder) {
    using galleryart::ButtonPicture;
    galleryart::WriteJpeg((folder / "OpenBlack.jpg").string(), ButtonPicture("OPEN", false), 95);
    galleryart::WriteJpeg((folder / "OpenBlue.jpg").string(), ButtonPicture("OPEN", true), 95);
    galleryart::WriteJpeg((folder / "BookBlack.jpg").string(), ButtonPicture("BOOK", false), 95);
    galleryart::WriteJpeg((folder / "BookBlue.jpg").string(), ButtonPicture("BOOK", true), 95);
}

void DrawDesignPictures(const std::filesystem::path& folder) {
    galleryart::WriteIcon((folder / "ArrowLeft.ico").string(), {galleryart::Arrow(false)});
    galleryart::WriteIcon((folder / "ArrowRight.ico").string(), {galleryart::Arrow(true)});
    galleryart::WriteIcon((folder / "Kanvio.ico").string(),
                          {galleryart::ProgramIcon(32), galleryart::ProgramIcon(16)});
    galleryart::WriteBmp((folder / "ExitGlyph.bmp").string(), galleryart::ExitGlyph());
    galleryart::WriteBmp((folder / "ImageList1.bmp").string(), galleryart::TabImages());
    galleryart::WriteBmp((folder / "ImageList2.bmp").string(), galleryart::TreeImages());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: galleryart CATALOGUE.csv OUTDIR\n");
        return 2;
    }
    try {
        const std::filesystem::path out = argv[2];
        for (const char* sub : {"Images", "Res", "Design"}) {
            std::filesystem::create_directories(out / sub);
        }
        DrawThumbnails(argv[1], out / "Images");
        DrawButtons(out / "Res");
        DrawDesignPictures(out / "Design");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "galleryart: %s\n", error.what());
        return 1;
    }
    return 0;
}
