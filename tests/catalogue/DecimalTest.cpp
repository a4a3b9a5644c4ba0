// Decimal (NUMERIC) columns: fields written out byte by byte from the Jet 4
// layout, files with Decimal columns read through the query and dumped as
// mdb-export prints them, and column types the reader does not know.
#include "tests/catalogue/CatalogueTestSupport.h"
#include "catalogue/CsvExport.h"
#include "catalogue/Database.h"
#include "catalogue/Decimal.h"

#include "base/Bytes.h"

#include <sstream>

namespace {

using catalogue::DecimalText;
using catalogue::ECatalogueError;

// A field from its sign byte and the three low words of the magnitude, most
// significant first, each stored little-endian.
std::vector<uint8_t> Field(uint8_t sign, uint32_t high, uint32_t middle, uint32_t low) {
    std::vector<uint8_t> field{sign, 0, 0, 0, 0};
    for (uint32_t word : {high, middle, low}) {
        base::AppendU32(field, word);
    }
    return field;
}

TEST(DecimalField, ReadsSignWordsAndScale) {
    // 1234567890123 = 0x11F_71FB04CB.
    EXPECT_EQ(DecimalText(Field(0, 0, 0x11F, 0x71FB04CB), 0), "1234567890123");
    EXPECT_EQ(DecimalText(Field(0, 0, 0x11F, 0x71FB04CB), 4), "123456789.0123");
    EXPECT_EQ(DecimalText(Field(0x80, 0, 0x11F, 0x71FB04CB), 2), "-12345678901.23");
    // The largest 28-digit value uses all 96 bits but the top few.
    EXPECT_EQ(DecimalText(Field(0, 0x204FCE5E, 0x3E250261, 0x0FFFFFFF), 0), std::string(28, '9'));
    EXPECT_EQ(DecimalText(Field(0, 0x204FCE5E, 0x3E250261, 0x0FFFFFFF), 28),
              "0." + std::string(28, '9'));
}

TEST(DecimalField, KeepsEveryDecimalAndOneLeadingZero) {
    EXPECT_EQ(DecimalText(Field(0, 0, 0, 0), 0), "0");
    EXPECT_EQ(DecimalText(Field(0, 0, 0, 0), 3), "0.000");
    EXPECT_EQ(DecimalText(Field(0, 0, 0, 12), 5), "0.00012");
    EXPECT_EQ(DecimalText(Field(0x80, 0, 0, 5), 1), "-0.5");
    EXPECT_EQ(DecimalText(Field(0, 0, 0, 1500), 3), "1.500");
}

TEST(DecimalField, FieldsNoDecimalCanHoldAreDamage) {
    std::vector<uint8_t> topWordSet = Field(0, 0, 0, 1);
    topWordSet[4] = 1;
    EXPECT_THROW(DecimalText(topWordSet, 0), catalogue::ECorruptData);
    EXPECT_THROW(DecimalText(Field(0, 0, 0, 1), 29), catalogue::ECorruptData);
    std::vector<uint8_t> cut = Field(0, 0, 0, 1);
    cut.pop_back();
    EXPECT_THROW(DecimalText(cut, 0), catalogue::ECorruptData);
}

TEST(DecimalField, EncodesWhatItReads) {
    EXPECT_EQ(catalogue::EncodeDecimal("-12345678901.23", 18, 2),
              Field(0x80, 0, 0x11F, 0x71FB04CB));
    EXPECT_EQ(catalogue::EncodeDecimal("0.5", 4, 3), Field(0, 0, 0, 500));
    EXPECT_EQ(catalogue::EncodeDecimal(std::string(28, '9'), 28, 0),
              Field(0, 0x204FCE5E, 0x3E250261, 0x0FFFFFFF));
    EXPECT_THROW(catalogue::EncodeDecimal("1.234", 10, 2), ECatalogueError);
    EXPECT_THROW(catalogue::EncodeDecimal("123", 4, 2), ECatalogueError);
    EXPECT_THROW(catalogue::EncodeDecimal(std::string(29, '9'), 28, 0), ECatalogueError);
    for (const char* bad : {"", "-", "1.", ".5", "1e3", "+1", "1,5", "--1"}) {
        EXPECT_THROW(catalogue::EncodeDecimal(bad, 10, 2), ECatalogueError) << bad;
    }
}

catalogue::CsvRecords DecimalRecords() {
    return {{"Id", "Price", "Rate", "Count", "Huge"},
            {"1", "-12.5", "0.00042", "7", std::string(28, '9')},
            {"2", "0", "-0.1", "-1234567", "-1234567890123456789012345678"},
            {"3", "", "", "", ""},
            {"4", "99999999999999.9999", "0.99999", "0", "0"}};
}

catalogue::WriterOptions DecimalOptions() {
    catalogue::WriterOptions options;
    options.tableName = "Prices";
    options.decimalColumns = {{"Price", 18, 4}, {"Rate", 5, 5}, {"Count", 10, 0}, {"Huge", 28, 0}};
    return options;
}

std::string DumpOf(const std::string& path, const std::string& table) {
    catalogue::Database database(catalogue::JetFile::Load(path));
    std::ostringstream out;
    catalogue::WriteTableCsv(database, table, out);
    return out.str();
}

TEST(DecimalColumn, DumpPrintsTheScaleOfEachColumn) {
    cattest::TempFile file("decimal_dump");
    catalogue::WriteFileBytes(file.Path(),
                              catalogue::BuildDatabase(DecimalRecords(), DecimalOptions()));
    EXPECT_EQ(DumpOf(file.Path(), "Prices"),
              "Id,Price,Rate,Count,Huge\n"
              "1,-12.5000,0.00042,7,9999999999999999999999999999\n"
              "2,0.0000,-0.10000,-1234567,-1234567890123456789012345678\n"
              "3,,,,\n"
              "4,99999999999999.9999,0.99999,0,0\n");
}

TEST(DecimalColumn, QueriesCompareAndSortDecimalsAsNumbers) {
    cattest::TempFile file("decimal_query");
    catalogue::WriteFileBytes(file.Path(),
                              catalogue::BuildDatabase(DecimalRecords(), DecimalOptions()));
    catalogue::TCatalogueConnection connection;
    connection.Open(cattest::ConnectionString(file.Path(), ""));
    catalogue::TCatalogueQuery query(connection);
    query.SetSql("SELECT * FROM Prices WHERE Price < 1 ORDER BY Rate");
    query.Open();
    // Field texts drop needless zeros, as the Jet provider's do.
    EXPECT_EQ(
        cattest::ReadRows(query, {"Id", "Price", "Rate", "Count"}),
        (catalogue::CsvRecords{{"2", "0", "-0.1", "-1234567"}, {"1", "-12.5", "0.00042", "7"}}));
}

TEST(UnknownColumnType, IsReportedByNameNeverPrintedAsBytes) {
    std::vector<uint8_t> bytes = catalogue::BuildDatabase(DecimalRecords(), DecimalOptions());
    // The table's definition is page 4 of a written file; its column entries
    // (25 bytes, the type first) start at offset 63. Column 1 is Price.
    constexpr size_t PriceEntry = 4 * catalogue::JetPageSize + 63 + 25;
    ASSERT_EQ(bytes[PriceEntry], 0x10);
    bytes[PriceEntry] = 0x13;
    cattest::TempFile file("unknown_type");
    catalogue::WriteFileBytes(file.Path(), bytes);
    try {
        DumpOf(file.Path(), "Prices");
        ADD_FAILURE() << "the dump went through";
    } catch (const ECatalogueError& error) {
        EXPECT_STREQ(error.what(), "Column 'Price' has a data type (0x13) this reader does not "
                                   "know.");
    }
    // Other columns of the table stay readable.
    catalogue::TCatalogueConnection connection;
    connection.Open(cattest::ConnectionString(file.Path(), ""));
    catalogue::TCatalogueQuery query(connection);
    query.SetSql("SELECT * FROM Prices ORDER BY Id");
    query.Open();
    EXPECT_EQ(query.FieldByName("Rate"), "0.00042");
    EXPECT_THROW(query.FieldByName("Price"), ECatalogueError);
}

#ifndef _WIN32
TEST(DecimalColumnWithMdbExport, DumpsAsMdbExportDoes) {
    if (!cattest::MdbExportInstalled())
        GTEST_SKIP() << "mdbtools is not installed";
    cattest::TempFile file("decimal_mdbexport");
    catalogue::WriteFileBytes(file.Path(),
                              catalogue::BuildDatabase(DecimalRecords(), DecimalOptions()));
    EXPECT_EQ(DumpOf(file.Path(), "Prices"), cattest::MdbExport(file.Path(), "Prices"));
}
#endif

} // namespace
