#include "tests/e2e/SampleCatalogue.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace e2e::gallery {
namespace {

std::string CataloguePath() {
    const char* path = std::getenv("KANVIO_E2E_SAMPLE_CATALOGUE");
    return path && *path ? path : KANVIO_E2E_SAMPLE_CATALOGUE;
}

// The sample's fields hold no commas or quotes: a plain split serves.
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, ',');) {
        fields.push_back(field);
    }
    if (!line.empty() && line.back() == ',') {
        fields.emplace_back();
    }
    return fields;
}

std::vector<TemplateRow> Listed(const std::vector<TemplateRow>& rows,
                                std::string TemplateRow::*column, const std::string& category) {
    std::vector<TemplateRow> listed;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(listed),
                 [&](const TemplateRow& row) { return row.index > 0 && row.*column == category; });
    std::stable_sort(listed.begin(), listed.end(),
                     [](const TemplateRow& a, const TemplateRow& b) { return a.index < b.index; });
    return listed;
}

} // namespace

std::string OrderPageAddress(const TemplateRow& row) {
    return std::string(OrderPageHost) + "/index.asp?TemplateNum=" + row.templateNum;
}

SampleCatalogue::SampleCatalogue() {
    const std::string path = CataloguePath();
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot read the sample catalogue " + path);
    }
    std::string line;
    std::getline(in, line);
    const std::vector<std::string> header = Fields(line);
    const auto column = [&](const char* name) {
        const auto at = std::find(header.begin(), header.end(), name);
        if (at == header.end()) {
            throw std::runtime_error(path + " has no column " + name);
        }
        return size_t(at - header.begin());
    };
    const size_t index = column("TitleIndex"), preview = column("Title1"),
                 industry = column("Title3"), colour = column("Title4"),
                 number = column("TitleTxt");
    while (std::getline(in, line)) {
        const std::vector<std::string> fields = Fields(line);
        if (fields.size() != header.size()) {
            continue;
        }
        rows_.push_back({std::atoi(fields[index].c_str()), fields[preview], fields[industry],
                         fields[colour], fields[number]});
    }
}

std::vector<TemplateRow> SampleCatalogue::Industry(const std::string& category) const {
    return Listed(rows_, &TemplateRow::industry, category);
}

std::vector<TemplateRow> SampleCatalogue::Colour(const std::string& category) const {
    return Listed(rows_, &TemplateRow::colour, category);
}

} // namespace e2e::gallery
