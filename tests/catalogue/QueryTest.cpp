// The gallery's queries and the dataset operations it relies on, over a
// catalogue built by the writer.
#include "tests/catalogue/CatalogueTestSupport.h"

namespace {

using catalogue::CsvRecords;
using catalogue::ECatalogueError;
using catalogue::TCatalogueConnection;
using catalogue::TCatalogueQuery;

std::string GallerySql(const std::string& column, const std::string& category) {
    return "Select * From Title Where (TitleIndex > 0) And (" + column + " = '" + category +
           "') Order By TitleIndex";
}

std::string ErrorOf(TCatalogueQuery& query, const std::string& sql) {
    query.Close();
    query.SetSql(sql);
    try {
        query.Open();
    } catch (const ECatalogueError& error) {
        EXPECT_FALSE(query.Active());
        return error.what();
    }
    return "no error";
}

class GalleryQuery : public testing::Test {
protected:
    static void SetUpTestSuite() {
        File = new cattest::TempFile("gallery_query");
        cattest::BuildInto(
            *File,
            {{"TitleIndex", "Title1", "Title3", "Title4", "Title5", "TitleTxt"},
             {"30", "http://t/30", "机械设备 零件部件", "蓝天白云", "30.jpg", "N30"},
             {"10", "http://t/10", "机械设备 零件部件", "蓝天白云", "10.jpg", "N10"},
             {"0", "http://t/0", "机械设备 零件部件", "蓝天白云", "0.jpg", "N0"},
             {"-4", "http://t/-4", "机械设备 零件部件", "蓝天白云", "m4.jpg", "N-4"},
             {"20", "http://t/20", "机械设备 零件部件", "", "20.jpg", "N20"},
             {"7", "http://t/7", "化工原料 包装材料 ", "红色火焰", "7.jpg", "N7"},
             {"8", "http://t/8", "化工原料 包装材料", "红色火焰", "8.jpg", "N8"},
             {"5", "http://t/5", "Office Supplies", "Blue Sky", "5.jpg", "N5"},
             {"", "http://t/null", "机械设备 零件部件", "蓝天白云", "null.jpg", "Nnull"}},
            "Title", "mivra4302");
    }
    static void TearDownTestSuite() {
        delete File;
        File = nullptr;
    }
    void SetUp() override {
        connection_.Open(cattest::ConnectionString(File->Path(), "mivra4302"));
    }

    std::vector<std::string> Run(const std::string& sql, const std::string& column = "TitleTxt") {
        query_.Close();
        query_.SetSql(sql);
        query_.Open();
        std::vector<std::string> values;
        for (const auto& row : cattest::ReadRows(query_, {column})) {
            values.push_back(row[0]);
        }
        EXPECT_EQ(query_.RecordCount(), static_cast<int>(values.size()));
        return values;
    }

    static cattest::TempFile* File;
    TCatalogueConnection connection_;
    TCatalogueQuery query_{connection_};
};

cattest::TempFile* GalleryQuery::File = nullptr;

TEST_F(GalleryQuery, FiltersOnPositiveTitleIndexAndOrdersAscending) {
    EXPECT_EQ(Run(GallerySql("Title3", "机械设备 零件部件")),
              (std::vector<std::string>{"N10", "N20", "N30"}));
    EXPECT_EQ(Run(GallerySql("Title4", "蓝天白云")), (std::vector<std::string>{"N10", "N30"}));
}

TEST_F(GalleryQuery, TrailingSpacesAreKeptInTheCategory) {
    EXPECT_EQ(Run(GallerySql("Title3", "化工原料 包装材料 ")), std::vector<std::string>{"N7"});
    EXPECT_EQ(Run(GallerySql("Title3", "化工原料 包装材料")), std::vector<std::string>{"N8"});
}

TEST_F(GalleryQuery, TextComparisonIgnoresLetterCase) {
    EXPECT_EQ(Run(GallerySql("Title3", "OFFICE supplies")), std::vector<std::string>{"N5"});
    EXPECT_EQ(Run(GallerySql("Title4", "blue SKY")), std::vector<std::string>{"N5"});
}

TEST_F(GalleryQuery, HeaderOrUnknownCategoryGivesZeroRows) {
    EXPECT_TRUE(Run(GallerySql("Title3", "行业分类三")).empty());
    EXPECT_TRUE(query_.Eof());
    EXPECT_EQ(query_.RecordCount(), 0);
    EXPECT_EQ(query_.FieldByName("Title1"), "");
}

TEST_F(GalleryQuery, ApostropheInCategoryIsASyntaxError) {
    std::string sql = GallerySql("Title4", "Tom's 蓝");
    EXPECT_EQ(ErrorOf(query_, sql),
              "Syntax error (missing operator) in query expression '(TitleIndex > 0) And (Title4 = "
              "'Tom's 蓝') Order By TitleIndex'.");
    EXPECT_EQ(ErrorOf(query_, "Select * From Title Where Title4 = 'open"),
              "Syntax error in string in query expression 'Title4 = 'open'.");
}

TEST_F(GalleryQuery, DatasetCursorWalksLikeADataset) {
    Run(GallerySql("Title3", "机械设备 零件部件"));
    query_.First();
    EXPECT_EQ(query_.FieldByName("titletxt"), "N10");
    query_.Next();
    query_.Next();
    EXPECT_FALSE(query_.Eof());
    EXPECT_EQ(query_.FieldByName("Title5"), "30.jpg");
    query_.Next();
    EXPECT_TRUE(query_.Eof());
    EXPECT_EQ(query_.FieldByName("Title5"), "30.jpg") << "Next past the end stays on the last row";
    query_.Next();
    EXPECT_TRUE(query_.Eof());
    query_.First();
    EXPECT_FALSE(query_.Eof());
    EXPECT_EQ(query_.FieldByName("TitleIndex"), "10");
}

TEST_F(GalleryQuery, NullValuesReadAsEmptyAndNeverMatch) {
    EXPECT_EQ(Run("Select * From Title Where Title4 = '' Or TitleIndex < -100"),
              std::vector<std::string>{});
    EXPECT_EQ(Run("SELECT * FROM Title WHERE TitleTxt = 'N20'", "Title4"),
              std::vector<std::string>{""});
    EXPECT_EQ(Run("SELECT * FROM Title WHERE TitleTxt = 'Nnull'", "TitleIndex"),
              std::vector<std::string>{""});
    EXPECT_EQ(Run("SELECT * FROM Title WHERE NOT (TitleIndex > 0)"),
              (std::vector<std::string>{"N0", "N-4"}))
        << "NOT of an unknown comparison stays unknown";
}

TEST_F(GalleryQuery, ConditionsCombineWithAndOrNotAndComparisons) {
    EXPECT_EQ(Run("select * from [Title] where TitleIndex >= 20 or TitleIndex <= -4 "
                  "order by TitleIndex desc"),
              (std::vector<std::string>{"N30", "N20", "N-4"}));
    EXPECT_EQ(Run("SELECT * FROM Title WHERE NOT TitleIndex <> 7 AND Title3 > 'Z';"),
              std::vector<std::string>{"N7"});
    EXPECT_EQ(Run("SELECT * FROM Title WHERE (TitleIndex > 5 AND (Title4 = \"红色火焰\")) "
                  "ORDER BY Title5 DESC"),
              (std::vector<std::string>{"N8", "N7"}));
    EXPECT_EQ(Run("SELECT * FROM Title WHERE TitleTxt = 'N1''0' OR TitleIndex = 10.0"),
              std::vector<std::string>{"N10"});
}

TEST_F(GalleryQuery, OrderByNullsFirstThenSecondKey) {
    EXPECT_EQ(Run("SELECT * FROM Title WHERE Title4 = '蓝天白云' ORDER BY TitleIndex, Title1"),
              (std::vector<std::string>{"Nnull", "N-4", "N0", "N10", "N30"}));
    EXPECT_EQ(Run("SELECT * FROM Title ORDER BY Title4 DESC, TitleIndex DESC").front(), "N30");
}

TEST_F(GalleryQuery, ErrorsCarryJetTexts) {
    EXPECT_EQ(ErrorOf(query_, "Select * From Nothing"),
              "The Microsoft Jet database engine cannot find the input table or query "
              "'Nothing'.  Make sure it exists and that its name is spelled correctly.");
    EXPECT_EQ(ErrorOf(query_, "Select * From Title Where Title9 = 'x'"),
              "No value given for one or more required parameters.");
    EXPECT_EQ(ErrorOf(query_, "Select * From Title Where TitleIndex = 'x'"),
              "Data type mismatch in criteria expression.");
    EXPECT_EQ(ErrorOf(query_, "Delete From Title"),
              "Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or "
              "'UPDATE'.");
    EXPECT_EQ(ErrorOf(query_, "Select * From Title Order TitleIndex"),
              "Syntax error in ORDER BY clause.");
    EXPECT_EQ(ErrorOf(query_, "Select * From Title; x"),
              "Characters found after end of SQL statement.");
    EXPECT_EQ(ErrorOf(query_, "Select * From Title Where (TitleIndex > 0"),
              "Syntax error (missing operator) in query expression '(TitleIndex > 0'.");
    EXPECT_EQ(ErrorOf(query_, "Select * From Where"), "Syntax error in FROM clause.");
    EXPECT_EQ(ErrorOf(query_, "Select * From Title Where " + std::string(500, '(') + "1"),
              "Query is too complex.");
}

TEST_F(GalleryQuery, ClosedQueryAndUnknownFieldRaise) {
    EXPECT_THROW(query_.RecordCount(), ECatalogueError);
    EXPECT_THROW(query_.FieldByName("Title1"), ECatalogueError);
    EXPECT_TRUE(query_.Eof());
    Run(GallerySql("Title3", "机械设备 零件部件"));
    try {
        query_.FieldByName("Title2");
        ADD_FAILURE();
    } catch (const ECatalogueError& error) {
        EXPECT_STREQ(error.what(), "Field 'Title2' not found.");
    }
}

TEST_F(GalleryQuery, OpenResultOutlivesClosedConnection) {
    Run(GallerySql("Title3", "机械设备 零件部件"));
    connection_.Close();
    query_.First();
    EXPECT_EQ(query_.FieldByName("Title1"), "http://t/10");
    EXPECT_THROW(Run("Select * From Title"), ECatalogueError);
}

TEST(CatalogueConnection, ReportsMissingFileAndForeignFormats) {
    TCatalogueConnection connection;
    std::string missing = cattest::ConformancePath("NoSuch.MDB");
    try {
        connection.Open(cattest::ConnectionString(missing, "x"));
        ADD_FAILURE();
    } catch (const ECatalogueError& error) {
        EXPECT_EQ(error.what(), "Could not find file '" + missing + "'.");
    }
    std::string readme = cattest::ConformancePath("README.md");
    try {
        connection.Open(cattest::ConnectionString(readme, ""));
        ADD_FAILURE();
    } catch (const ECatalogueError& error) {
        EXPECT_EQ(error.what(), "Unrecognized database format '" + readme + "'.");
    }
    EXPECT_THROW(connection.Open("Provider=SQLOLEDB;Data Source=x"), ECatalogueError);
    EXPECT_THROW(connection.Open("Data Source=x"), ECatalogueError);
    EXPECT_FALSE(connection.Connected());
}

TEST(CatalogueConnection, ParsesQuotedValuesAndKeysInAnyCase) {
    cattest::TempFile file("connection_string");
    cattest::BuildInto(file, {{"A"}, {"1"}}, "T", "p;w d");
    TCatalogueConnection connection;
    connection.Open(" provider = microsoft.jet.oledb.4.0 ; DATA SOURCE=" + file.Path() +
                    ";jet oledb:database password=\"p;w d\"");
    EXPECT_TRUE(connection.Connected());
    EXPECT_EQ(connection.TableNames(), std::vector<std::string>{"T"});
}

} // namespace
