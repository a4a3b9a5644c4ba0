// Files the writer builds read back identically, by our reader and by
// mdb-export where it is installed.
#include "tests/catalogue/CatalogueTestSupport.h"
#include "catalogue/CsvExport.h"
#include "catalogue/Database.h"

#include <sstream>

namespace {

using catalogue::CsvRecords;

// Values that reach every storage path: integers at the 32-bit limits,
// compressed and UCS-2 text, quotes and line breaks, NULLs, and memos kept
// in the row, in one long-value page and in a chain of them.
CsvRecords SampleRecords() {
    return {{"TitleIndex", "Title1", "Title3", "Notes"},
            {"1", "http://example.com/a", "生产企业通用模板", ""},
            {"-2147483648", "say \"hi\", ok", "化工原料 包装材料 ", std::string(300, 'x')},
            {"2147483647", "multi\nline", "Ünïcödé ÀÉ", std::string(700, 'y') + "中"},
            {"", "", "", std::string(1500, 'z')},
            {"0", "a", "b", std::string(3000, 'w') + "終"},
            {"7", "c", "d", std::string(20000, 'v')}};
}

CsvRecords ReadBack(const std::string& path, const std::string& password) {
    catalogue::TCatalogueConnection connection;
    connection.Open(cattest::ConnectionString(path, password));
    catalogue::TCatalogueQuery query(connection);
    query.SetSql("SELECT * FROM Title");
    query.Open();
    CsvRecords rows = cattest::ReadRows(query, {"TitleIndex", "Title1", "Title3", "Notes"});
    rows.insert(rows.begin(), {"TitleIndex", "Title1", "Title3", "Notes"});
    return rows;
}

TEST(Writer, OurReaderReadsBackEveryValue) {
    cattest::TempFile file("writer_readback");
    cattest::BuildInto(file, SampleRecords(), "Title", "mivra4302");
    EXPECT_EQ(ReadBack(file.Path(), "mivra4302"), SampleRecords());
}

TEST(Writer, EncodedPagesReadBackToo) {
    cattest::TempFile file("writer_encoded");
    cattest::BuildInto(file, SampleRecords(), "Title", "pw", 0x6B39DAC7);
    EXPECT_EQ(ReadBack(file.Path(), "pw"), SampleRecords());
    std::vector<uint8_t> bytes = cattest::ReadFileBytes(file.Path());
    std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text.find("LVAL"), std::string::npos) << "pages after the header are encoded";
}

TEST(Writer, ManyRowsSpanPagesAndKeepTheirOrder) {
    CsvRecords records{{"N", "Text"}};
    for (int i = 0; i < 3000; ++i) {
        records.push_back({std::to_string(i * 7 % 3001), "row " + std::to_string(i)});
    }
    cattest::TempFile file("writer_many");
    cattest::BuildInto(file, records, "Big", "");
    catalogue::Database database(catalogue::JetFile::Load(file.Path()));
    std::ostringstream out;
    catalogue::WriteTableCsv(database, "Big", out);
    CsvRecords dumped = catalogue::ParseCsv(out.str());
    ASSERT_EQ(dumped.size(), records.size());
    EXPECT_EQ(dumped[2999][1], "row 2998");
    EXPECT_EQ(dumped[3000][0], records[3000][0]);
}

TEST(Writer, RefusesInputATableCannotHold) {
    catalogue::WriterOptions options;
    options.tableName = "T";
    EXPECT_THROW(catalogue::BuildDatabase({}, options), catalogue::ECatalogueError);
    EXPECT_THROW(catalogue::BuildDatabase({{"A"}, {"1", "2"}}, options),
                 catalogue::ECatalogueError);
    EXPECT_THROW(catalogue::BuildDatabase({{""}}, options), catalogue::ECatalogueError);
    options.password = std::string(21, 'p');
    EXPECT_THROW(catalogue::BuildDatabase({{"A"}}, options), catalogue::ECatalogueError);
}

TEST(Writer, LeadingZerosAndHugeNumbersStayText) {
    cattest::TempFile file("writer_types");
    CsvRecords records{{"A", "B", "C"}, {"007", "2147483648", "-0"}, {"1", "2", "3"}};
    cattest::BuildInto(file, records, "T", "");
    catalogue::TCatalogueConnection connection;
    connection.Open(cattest::ConnectionString(file.Path(), ""));
    catalogue::TCatalogueQuery query(connection);
    query.SetSql("SELECT * FROM T WHERE A = '007' AND B = '2147483648' AND C = '-0'");
    query.Open();
    EXPECT_EQ(query.RecordCount(), 1);
}

TEST(CsvReader, HandlesQuotesLineBreaksAndMissingFinalNewline) {
    EXPECT_EQ(catalogue::ParseCsv("a,\"b,\"\"c\"\"\"\r\n\"x\ny\",\n1,2"),
              (CsvRecords{{"a", "b,\"c\""}, {"x\ny", ""}, {"1", "2"}}));
    EXPECT_THROW(catalogue::ParseCsv("a,\"open\n"), catalogue::ECatalogueError);
    EXPECT_THROW(catalogue::ParseCsv("\"a\"b"), catalogue::ECatalogueError);
}

#ifndef _WIN32
TEST(WriterWithMdbExport, ReadsOurFileIdentically) {
    if (!cattest::MdbExportInstalled())
        GTEST_SKIP() << "mdbtools is not installed";
    for (uint32_t pageKey : {0u, 0x12345678u}) {
        cattest::TempFile file("writer_mdbexport");
        cattest::BuildInto(file, SampleRecords(), "Title", "mivra4302", pageKey);
        std::string exported = cattest::MdbExport(file.Path(), "Title");
        EXPECT_EQ(catalogue::ParseCsv(exported), SampleRecords()) << "page key " << pageKey;
        catalogue::Database database(catalogue::JetFile::Load(file.Path()));
        std::ostringstream ours;
        catalogue::WriteTableCsv(database, "Title", ours);
        EXPECT_EQ(ours.str(), exported);
    }
}

TEST(WriterWithMdbExport, ConformanceFilesDumpAsMdbExportDoesForSystemTablesToo) {
    if (!cattest::MdbExportInstalled())
        GTEST_SKIP() << "mdbtools is not installed";
    std::string path = cattest::ConformancePath("jackcess_overflowTestV2003.mdb");
    catalogue::Database database(catalogue::JetFile::Load(path));
    for (const char* table : {"MSysObjects", "MSysACEs", "MSysQueries", "MSysAccessStorage"}) {
        std::ostringstream ours;
        catalogue::WriteTableCsv(database, table, ours);
        EXPECT_EQ(ours.str(), cattest::MdbExport(path, table)) << table;
    }
}
#endif

} // namespace
