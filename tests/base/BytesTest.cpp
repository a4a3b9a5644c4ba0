// Byte order, and reads and writes that stop at the end of their buffer.
#include "base/Bytes.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const std::vector<uint8_t> Sample = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0xFF};

TEST(Bytes, ReadsLowByteFirstAndPngIntegersHighByteFirst) {
    EXPECT_EQ(base::ReadU8(Sample, 8), 0xFFu);
    EXPECT_EQ(base::ReadU16(Sample, 1), 0x0302u);
    EXPECT_EQ(base::ReadU32(Sample, 0), 0x04030201u);
    EXPECT_EQ(base::ReadU32(Sample, 5), 0xFF080706u) << "the top byte is not sign-extended";
    EXPECT_EQ(base::ReadU64(Sample, 0), 0x0807060504030201u);
    EXPECT_EQ(base::ReadBigEndianU32(Sample, 0), 0x01020304u);
}

TEST(Bytes, ReadsThatWouldPassTheEndThrowInsteadOfReading) {
    const base::ByteSpan bytes(Sample);
    EXPECT_THROW(base::ReadU8(bytes, 9), base::Error);
    EXPECT_THROW(base::ReadU16(bytes, 8), base::Error) << "one byte short";
    EXPECT_THROW(base::ReadU32(bytes, 6), base::Error);
    EXPECT_THROW(base::ReadU64(bytes, 2), base::Error);
    EXPECT_THROW(base::ReadBigEndianU32(bytes, 7), base::Error);
    EXPECT_THROW(base::ReadU32(bytes, std::numeric_limits<size_t>::max() - 1), base::Error)
        << "an offset near the top of size_t does not wrap round";
    EXPECT_THROW(base::ReadU16(base::ByteSpan(), 0), base::Error);
    EXPECT_NO_THROW(base::ReadU64(bytes, 1)) << "the last eight bytes";
}

TEST(Bytes, RangeFitsWithoutOverflow) {
    EXPECT_TRUE(base::RangeFits(10, 10, 0));
    EXPECT_TRUE(base::RangeFits(10, 6, 4));
    EXPECT_FALSE(base::RangeFits(10, 7, 4));
    EXPECT_FALSE(base::RangeFits(10, 11, 0));
    EXPECT_FALSE(base::RangeFits(10, 2, std::numeric_limits<size_t>::max()));
}

TEST(Bytes, WritesRoundTripAndStopAtTheEnd) {
    std::vector<uint8_t> out;
    base::AppendU16(out, 0xBEEF);
    base::AppendU32(out, 0x12345678);
    base::AppendBigEndianU32(out, 0x12345678);
    EXPECT_EQ(out,
              (std::vector<uint8_t>{0xEF, 0xBE, 0x78, 0x56, 0x34, 0x12, 0x12, 0x34, 0x56, 0x78}));
    base::WriteU16(out, 8, 0xA1B2);
    base::WriteU32(out, 0, 0xCAFEF00D);
    EXPECT_EQ(base::ReadU32(out, 0), 0xCAFEF00Du);
    EXPECT_EQ(base::ReadU16(out, 8), 0xA1B2u);
    EXPECT_EQ(out.size(), 10u);
    EXPECT_THROW(base::WriteU16(out, 9, 1), base::Error);
    EXPECT_THROW(base::WriteU32(out, 7, 1), base::Error);
    EXPECT_EQ(out[9], 0xA1) << "a refused write changes nothing";
}

} // namespace
