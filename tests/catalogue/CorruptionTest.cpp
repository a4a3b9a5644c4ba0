// Damaged files: every truncation and many corruptions of real and written
// databases end in ECatalogueError or a readable result, never a crash or a
// hang; link loops in definitions and long values are reported as damage.
#include "tests/catalogue/CatalogueTestSupport.h"
#include "catalogue/Database.h"
#include "tests/catalogue/ExerciseReader.h"
#include "catalogue/JetFile.h"

#include "base/Bytes.h"

#include <cstring>
#include <random>

namespace {

using catalogue::ECatalogueError;

std::vector<uint8_t> WrittenCatalogue(uint32_t pageKey) {
    catalogue::WriterOptions options;
    options.tableName = "Title";
    options.password = "mivra4302";
    options.pageKey = pageKey;
    return catalogue::BuildDatabase({{"TitleIndex", "Title3", "Notes"},
                                     {"1", "蓝天白云", std::string(600, 'a')},
                                     {"2", "红色火焰", std::string(2000, 'b')},
                                     {"3", "绿色森林", std::string(9000, 'c')}},
                                    options);
}

// Decoded page `n` of an unencoded written file.
uint8_t* PageOf(std::vector<uint8_t>& file, uint32_t n) {
    return file.data() + size_t{n} * catalogue::JetPageSize;
}

TEST(Corruption, EveryTruncationIsRefusedOrRead) {
    std::vector<uint8_t> file = WrittenCatalogue(0);
    for (size_t length = 0; length <= file.size(); length += 97) {
        cattest::ExerciseReader(std::span<const uint8_t>(file.data(), length));
    }
    EXPECT_FALSE(cattest::ExerciseReader(std::span<const uint8_t>(file.data(), 4095)));
    EXPECT_FALSE(cattest::ExerciseReader(std::span<const uint8_t>(file.data(), 3 * 4096)));
    EXPECT_TRUE(cattest::ExerciseReader(file));
}

TEST(Corruption, TruncatedFileOnDiskGivesTheRepairMessage) {
    std::vector<uint8_t> bytes = WrittenCatalogue(0);
    bytes.resize(3 * catalogue::JetPageSize);
    cattest::TempFile file("truncated");
    catalogue::WriteFileBytes(file.Path(), bytes);
    catalogue::TCatalogueConnection connection;
    try {
        connection.Open(cattest::ConnectionString(file.Path(), "mivra4302"));
        ADD_FAILURE();
    } catch (const ECatalogueError& error) {
        EXPECT_EQ(error.what(), "The database '" + file.Path() +
                                    "' needs to be repaired or isn't a database file.");
    }
}

TEST(Corruption, RandomByteDamageNeverEscapes) {
    std::mt19937 random(20261208);
    for (uint32_t pageKey : {0u, 0x2468ACEu}) {
        const std::vector<uint8_t> clean = WrittenCatalogue(pageKey);
        for (int round = 0; round < 300; ++round) {
            std::vector<uint8_t> damaged = clean;
            int hits = 1 + static_cast<int>(random() % 8);
            for (int i = 0; i < hits; ++i) {
                damaged[catalogue::JetPageSize +
                        random() % (damaged.size() - catalogue::JetPageSize)] =
                    static_cast<uint8_t>(random());
            }
            cattest::ExerciseReader(damaged);
        }
    }
}

TEST(Corruption, RealFileDamageNeverEscapes) {
    const std::vector<uint8_t> clean = cattest::ReadFileBytes(
        cattest::ConformancePath("mdbreader_password_data_V2003_no-password.mdb"));
    ASSERT_FALSE(clean.empty());
    std::mt19937 random(5);
    for (int round = 0; round < 60; ++round) {
        std::vector<uint8_t> damaged = clean;
        for (int i = 0; i < 16; ++i) {
            damaged[4096 + random() % (damaged.size() - 4096)] ^=
                static_cast<uint8_t>(1 + random() % 255);
        }
        cattest::ExerciseReader(damaged);
    }
}

TEST(Corruption, DefinitionPageLinkedToItselfIsRefused) {
    std::vector<uint8_t> file = WrittenCatalogue(0);
    std::memcpy(PageOf(file, 4) + 4, "\x04\x00\x00\x00", 4);
    EXPECT_FALSE(cattest::ExerciseReader(file));
}

TEST(Corruption, LongValueChainLoopIsDamage) {
    std::vector<uint8_t> file = WrittenCatalogue(0);
    // Point every long-value row's link back at its own page, row 0.
    for (uint32_t n = 5; n < file.size() / catalogue::JetPageSize; ++n) {
        uint8_t* page = PageOf(file, n);
        if (std::memcmp(page + 4, "LVAL", 4) != 0) {
            continue;
        }
        uint16_t start = base::LoadU16(page + 14);
        uint8_t self[4] = {0, static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8), 0};
        std::memcpy(page + start, self, 4);
    }
    EXPECT_FALSE(cattest::ExerciseReader(file)) << "a chain that loops is damage";
}

TEST(Corruption, NotAJet4DatabaseIsNamedAsSuch) {
    std::vector<uint8_t> file = WrittenCatalogue(0);
    file[0x14] = 0; // Jet 3
    try {
        catalogue::JetFile parsed(file, "old.mdb");
        ADD_FAILURE();
    } catch (const ECatalogueError& error) {
        EXPECT_STREQ(error.what(), "Unrecognized database format 'old.mdb'.");
    }
}

} // namespace
