// Benchmark: a 10,000-row catalogue built by the writer; the time to open it
// (with the password check) and to run the gallery's query with its WHERE
// and ORDER BY, and the peak memory of the process.
#include "catalogue/Catalogue.h"
#include "catalogue/JetWriter.h"
#include "tests/support/TempFolder.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/resource.h>

namespace {

const char* const Categories[] = {"生产企业通用模板", "机械设备 零件部件", "化工原料 包装材料 ",
                                  "灯具照明 LED显示", "家具家私 家居饰品"};

catalogue::CsvRecords CatalogueRows(int count) {
    catalogue::CsvRecords records{
        {"TitleIndex", "Title1", "Title2", "Title3", "Title4", "Title5", "TitleTxt"}};
    for (int i = 0; i < count; ++i) {
        std::string n = std::to_string(i);
        records.push_back({std::to_string((i * 7919) % count + 1), "http://templates.example/" + n,
                           "模板 " + n, Categories[i % 5], i % 2 == 0 ? "蓝天白云" : "红色火焰",
                           "T" + n + ".jpg", "NO" + n});
    }
    return records;
}

template <typename Action> double BestMilliseconds(int repeats, Action action) {
    double best = 1e9;
    for (int i = 0; i < repeats; ++i) {
        auto start = std::chrono::steady_clock::now();
        action();
        std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

} // namespace

int main() {
    const testsupport::TempFolder folder("catalogue-bench");
    const std::string path = folder.FileUtf8("catalogue_bench.mdb");
    catalogue::WriterOptions options;
    options.tableName = "Title";
    options.password = "mivra4302";
    catalogue::WriteFileBytes(path, catalogue::BuildDatabase(CatalogueRows(10000), options));
    std::string connectionString =
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path +
        ";Persist Security Info=False;Jet OLEDB:Database Password=mivra4302";

    catalogue::TCatalogueConnection connection;
    double openMs = BestMilliseconds(20, [&] { connection.Open(connectionString); });
    catalogue::TCatalogueQuery query(connection);
    int rows = 0;
    double queryMs = BestMilliseconds(20, [&] {
        query.Close();
        query.SetSql(
            "Select * From Title Where (TitleIndex > 0) And (Title3 = '化工原料 包装材料 ') "
            "Order By TitleIndex");
        query.Open();
        rows = query.RecordCount();
    });
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("catalogue: 10000-row file %.0f KiB; open %.3f ms (target < 2); gallery query "
                "%.3f ms for %d rows (target < 5); peak memory %ld KiB\n",
                static_cast<double>(std::filesystem::file_size(path)) / 1024.0, openMs, queryMs,
                rows, usage.ru_maxrss);
    return 0;
}
