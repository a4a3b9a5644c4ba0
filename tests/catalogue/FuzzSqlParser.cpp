// Fuzz target: arbitrary text as a query, parsed and run over a small
// catalogue built once by the writer.
#include "catalogue/Database.h"
#include "catalogue/JetWriter.h"
#include "catalogue/SqlQuery.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

const catalogue::Database& SampleDatabase() {
    static const catalogue::Database database = [] {
        catalogue::WriterOptions options;
        options.tableName = "Title";
        options.password = "mivra4302";
        return catalogue::Database(catalogue::JetFile(
            catalogue::BuildDatabase({{"TitleIndex", "Title1", "Title3", "Title4"},
                                      {"3", "http://a", "蓝天白云", "Blue"},
                                      {"1", "http://b", "红色火焰", ""},
                                      {"", "http://c", "Office ", "blue"},
                                      {"-2", std::string(400, 'm'), "x", "y"}},
                                     options),
            "sample.mdb"));
    }();
    return database;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view sql(reinterpret_cast<const char*>(data), size);
    try {
        catalogue::SqlSelect select = catalogue::ParseSelect(sql);
        catalogue::RunSelect(SampleDatabase(), select);
    } catch (const catalogue::ECatalogueError&) {
    }
    return 0;
}
