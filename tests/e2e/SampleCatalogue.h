// The sample catalogue the shipped gallery is built from (the CSV its
// catalogue file is made of), read as a referee: which templates a category
// lists, in the gallery's order, and the addresses their slots open.
#pragma once

#include <string>
#include <vector>

namespace e2e::gallery {

struct TemplateRow {
    int index = 0;           // TitleIndex: the order of the pages
    std::string previewUrl;  // Title1
    std::string industry;    // Title3
    std::string colour;      // Title4
    std::string templateNum; // TitleTxt
};

// The order page host the gallery puts before "/index.asp?TemplateNum=".
inline constexpr char OrderPageHost[] = "http://order.kanvio.example";

std::string OrderPageAddress(const TemplateRow& row);

class SampleCatalogue {
public:
    // Reads the CSV (KANVIO_E2E_SAMPLE_CATALOGUE overrides the configured one).
    SampleCatalogue();

    // The listed templates (TitleIndex above 0) whose industry or colour is
    // `category`, by ascending TitleIndex.
    std::vector<TemplateRow> Industry(const std::string& category) const;
    std::vector<TemplateRow> Colour(const std::string& category) const;

private:
    std::vector<TemplateRow> rows_;
};

} // namespace e2e::gallery
