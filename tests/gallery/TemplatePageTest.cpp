// Paging of one tab over a real catalogue file built by the catalogue writer.
#include "catalogue/Catalogue.h"
#include "catalogue/JetWriter.h"
#include "tests/support/TempFolder.h"
#include "app/TemplatePage.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

using namespace gallery;

// Records what a fill does to the tab, as the main window's controls would.
struct RecordingView : TabView {
    bool left = false, right = false;
    bool visible[SlotCount] = {};
    std::string preview[SlotCount], order[SlotCount], thumb[SlotCount];
    std::string label = "(untouched)";
    std::string failOnThumb; // a file name whose picture "cannot be loaded"

    void HideArrows() override { left = right = false; }
    void ShowLeftArrow() override { left = true; }
    void ShowRightArrow() override { right = true; }
    void HideSlot(int slot) override { visible[slot] = false; }
    void ShowSlot(int slot, const std::string& previewUrl, const std::string& orderUrl) override {
        visible[slot] = true;
        preview[slot] = previewUrl;
        order[slot] = orderUrl;
    }
    void LoadThumbnail(int slot, const std::string& fileName) override {
        if (fileName == failOnThumb) {
            throw std::runtime_error("Cannot open file " + fileName);
        }
        thumb[slot] = fileName;
    }
    void SetLabel(const std::string& text) override { label = text; }
    int VisibleCount() const {
        int n = 0;
        for (bool v : visible) {
            n += v;
        }
        return n;
    }
};

class TemplatePaging : public ::testing::Test {
protected:
    // Rows of category "C<n>" hold n templates, numbered from 1 in TitleIndex
    // order but stored shuffled; plus rows that must never show.
    static void SetUpTestSuite() {
        catalogue::CsvRecords records = {
            {"TitleIndex", "Title1", "Title3", "Title4", "Title5", "TitleTxt"}};
        for (int count : {10, 11, 20, 21, 35}) {
            for (int i = count; i >= 1; --i) {
                const std::string n = std::to_string(i);
                std::string c = "C";
                c += std::to_string(count);
                records.push_back({std::to_string(i * 10), "http://p/" + c + "/" + n, c, "colour",
                                   c + "-" + n + ".jpg", c + "#" + n});
            }
        }
        records.push_back({"0", "http://p/zero", "C10", "colour", "zero.jpg", "zero"});
        records.push_back({"-4", "http://p/negative", "C10", "colour", "neg.jpg", "neg"});
        records.push_back({"5", "http://p/space", "Trail ", "colour", "space.jpg", "space"});
        catalogue::WriterOptions options;
        options.tableName = "Title";
        options.password = "mivra4302";
        Folder = std::make_unique<testsupport::TempFolder>("kanvio-paging");
        catalogue::WriteFileBytes(Path(), catalogue::BuildDatabase(records, options));
    }
    static void TearDownTestSuite() { Folder.reset(); }
    static std::string Path() { return Folder->FileUtf8("NoteData.MDB"); }

    void SetUp() override { connection_.Open(BuildConnectionString(Path(), "mivra4302")); }
    void Fill(const std::string& category, int page) {
        FillPage(
            query_, [this](const std::string& m) { messages_.push_back(m); }, view_, "Title3",
            category, page);
    }

    static inline std::unique_ptr<testsupport::TempFolder> Folder;
    catalogue::TCatalogueConnection connection_;
    catalogue::TCatalogueQuery query_{connection_};
    RecordingView view_;
    std::vector<std::string> messages_;
};

TEST(PageText, LabelsAndPageCounts) {
    EXPECT_EQ("共 0 记录　第 1/1 页", PageLabel(0, 0));
    EXPECT_EQ("共 23 记录　第 3/3 页", PageLabel(23, 2));
    EXPECT_EQ("共 0 记录　第 2/1 页", PageLabel(0, 1));
    EXPECT_EQ(0, CountPages(0).lastPage);
    EXPECT_EQ(1, CountPages(10).pages);
    EXPECT_EQ(2, CountPages(11).pages);
    EXPECT_EQ(3, CountPages(21).pages);
}

TEST(PageText, QueryAndAddressesKeepTheirInputUnchanged) {
    EXPECT_EQ("Select * From Title Where (TitleIndex > 0) And (Title3 = '化工原料 包装材料 ') "
              "Order By TitleIndex",
              CategorySql("Title3", "化工原料 包装材料 "));
    EXPECT_EQ("http://order.kanvio.example/index.asp?TemplateNum=A B&c", OrderPageAddress("A B&c"));
    EXPECT_EQ("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\x\\NoteData.MDB;Persist Security "
              "Info=False;Jet OLEDB:Database Password=mivra4302",
              BuildConnectionString("C:\\x\\NoteData.MDB", "mivra4302"));
}

TEST_F(TemplatePaging, NoRowsHidesEverySlot) {
    view_.visible[3] = true;
    Fill("nothing", 0);
    EXPECT_EQ(0, view_.VisibleCount());
    EXPECT_FALSE(view_.left || view_.right);
    EXPECT_EQ("共 0 记录　第 1/1 页", view_.label);
}

TEST_F(TemplatePaging, TenRowsFillOnePageWithoutArrows) {
    Fill("C10", 0);
    EXPECT_EQ(10, view_.VisibleCount());
    EXPECT_FALSE(view_.left || view_.right);
    EXPECT_EQ("共 10 记录　第 1/1 页", view_.label);
    // Ascending TitleIndex; rows with TitleIndex 0 or below never show.
    EXPECT_EQ("http://p/C10/1", view_.preview[0]);
    EXPECT_EQ("http://p/C10/10", view_.preview[9]);
    EXPECT_EQ("http://order.kanvio.example/index.asp?TemplateNum=C10#1", view_.order[0]);
    EXPECT_EQ("C10-1.jpg", view_.thumb[0]);
}

TEST_F(TemplatePaging, ElevenRowsSpillOneSlotOntoPageTwo) {
    Fill("C11", 0);
    EXPECT_EQ(10, view_.VisibleCount());
    EXPECT_TRUE(view_.right);
    EXPECT_FALSE(view_.left);
    Fill("C11", 1);
    EXPECT_TRUE(view_.visible[0]);
    EXPECT_EQ(1, view_.VisibleCount());
    EXPECT_TRUE(view_.left);
    EXPECT_FALSE(view_.right);
    EXPECT_EQ("http://p/C11/11", view_.preview[0]);
    EXPECT_EQ("共 11 记录　第 2/2 页", view_.label);
}

TEST_F(TemplatePaging, TwentyAndTwentyOneRows) {
    Fill("C20", 1);
    EXPECT_EQ(10, view_.VisibleCount());
    EXPECT_TRUE(view_.left);
    EXPECT_FALSE(view_.right);
    EXPECT_EQ("共 20 记录　第 2/2 页", view_.label);

    Fill("C21", 1);
    EXPECT_TRUE(view_.left && view_.right);
    EXPECT_EQ("共 21 记录　第 2/3 页", view_.label);
    Fill("C21", 2);
    EXPECT_EQ(1, view_.VisibleCount());
    EXPECT_EQ("http://p/C21/21", view_.preview[0]);
    EXPECT_EQ("共 21 记录　第 3/3 页", view_.label);
}

TEST_F(TemplatePaging, HeaderTextAfterAnArrowMatchesNothing) {
    Fill("C35", 0);
    Fill("行业分类三", 1);
    EXPECT_EQ(0, view_.VisibleCount());
    EXPECT_FALSE(view_.left || view_.right);
    EXPECT_EQ("共 0 记录　第 2/1 页", view_.label);
}

TEST_F(TemplatePaging, TrailingSpaceIsPartOfTheCategory) {
    Fill("Trail ", 0);
    EXPECT_EQ(1, view_.VisibleCount());
    Fill("Trail", 0);
    EXPECT_EQ(0, view_.VisibleCount());
}

TEST_F(TemplatePaging, ApostropheFailsTheQueryAndKeepsThePage) {
    Fill("C35", 0);
    Fill("O'Brien", 0);
    ASSERT_EQ(1u, messages_.size());
    EXPECT_EQ("搜索模板时出错", messages_[0]);
    EXPECT_EQ(10, view_.VisibleCount());
    EXPECT_FALSE(view_.left || view_.right);
    EXPECT_EQ("共 35 记录　第 1/4 页", view_.label);
    EXPECT_FALSE(query_.Active());
}

TEST_F(TemplatePaging, UnloadableThumbnailEndsTheFillAtItsSlot) {
    Fill("C21", 0);
    view_.failOnThumb = "C11-3.jpg";
    EXPECT_THROW(Fill("C11", 0), std::runtime_error);
    EXPECT_EQ("http://p/C11/3", view_.preview[2]); // shown with its new addresses
    EXPECT_EQ("C21-3.jpg", view_.thumb[2]);        // keeps its previous picture
    EXPECT_EQ("http://p/C21/4", view_.preview[3]); // later slots untouched
    EXPECT_EQ("共 21 记录　第 1/3 页", view_.label);
}

} // namespace
