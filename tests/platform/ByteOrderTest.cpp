#include "platform/ByteOrder.h"

#include <gtest/gtest.h>

namespace {

using namespace brio;

TEST(ByteOrder, ReadsAndWritesLittleEndianAtEveryWidth)
{
    const unsigned char bytes[8] = {0x01, 0x02, 0x03, 0x84, 0x05, 0x06, 0x07, 0xF8};
    EXPECT_EQ(readLittleEndian16(bytes), 0x0201u);
    EXPECT_EQ(readLittleEndian32(bytes), 0x84030201u) << "a high bit stays unsigned";
    EXPECT_EQ(readLittleEndian(bytes, 1), 0x01u);
    EXPECT_EQ(readLittleEndian(bytes, 8), 0xF807060584030201u);

    for (int width = 1; width <= 8; ++width) {
        unsigned char out[10] = {};
        out[0] = out[9] = 0xAA;
        writeLittleEndian(out + 1, 0xF807060584030201u, width);
        for (int i = 0; i < width; ++i)
            EXPECT_EQ(out[1 + i], bytes[i]) << "width " << width << " byte " << i;
        EXPECT_EQ(out[1 + width], width < 8 ? 0 : 0xAA) << "nothing past the width";
        EXPECT_EQ(out[0], 0xAA);
        EXPECT_EQ(readLittleEndian(out + 1, width), 0xF807060584030201u & (width == 8 ? ~0ull : (1ull << 8 * width) - 1));
    }
    unsigned char pair[2];
    writeLittleEndian16(pair, 0xBEEF);
    EXPECT_EQ(pair[0], 0xEF);
    EXPECT_EQ(pair[1], 0xBE);
    static constexpr unsigned char word[4] = {0x78, 0x56, 0x34, 0x12};
    static_assert(readLittleEndian32(word) == 0x12345678);
}

} // namespace
