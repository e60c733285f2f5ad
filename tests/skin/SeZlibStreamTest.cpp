#include "skin/engine/SeZlibStreams.h"
#include "ui/component/Exception.h"

#include <gtest/gtest.h>

#include <random>

TEST(SkinZlibStreams, RoundTripAtBothLevelsAndRefuseTheOtherDirection)
{
    std::vector<unsigned char> data(50000);
    std::mt19937 random(3);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = (i % 7 == 0) ? std::uint8_t(random()) : std::uint8_t(i / 100);
    for (TCompressionLevel level : {TCompressionLevel::Fastest, TCompressionLevel::Max}) {
        TMemoryStream packed;
        {
            TCompressionStream zip(level, packed);
            zip.WriteBuffer(data.data(), 20000);
            zip.WriteBuffer(data.data() + 20000, std::int64_t(data.size()) - 20000);
            EXPECT_EQ(zip.Position(), std::int64_t(data.size()));
            unsigned char b;
            EXPECT_THROW(zip.Read(&b, 1), EStreamError);
            EXPECT_THROW(zip.Seek(0, soBeginning), EStreamError);
        }
        EXPECT_EQ(packed.Memory()[0], 0x78);
        EXPECT_EQ(packed.Memory()[1], level == TCompressionLevel::Fastest ? 0x01 : 0xDA);
        packed.SetPosition(0);
        TDecompressionStream unzip(packed);
        std::vector<unsigned char> back(data.size());
        unzip.Seek(10, soBeginning);
        unzip.ReadBuffer(back.data() + 10, std::int64_t(back.size()) - 10);
        EXPECT_TRUE(std::equal(data.begin() + 10, data.end(), back.begin() + 10));
        unsigned char extra;
        EXPECT_EQ(unzip.Read(&extra, 1), 0);
        EXPECT_THROW(unzip.Seek(0, soBeginning), EStreamError);
        EXPECT_THROW(unzip.Write(&extra, 1), EStreamError);

        // Every cut of the compressed data raises instead of returning short.
        for (std::int64_t cut = 0; cut < packed.Size(); cut += 97) {
            TMemoryStream part;
            part.WriteBuffer(packed.Memory(), cut);
            part.SetPosition(0);
            TDecompressionStream broken(part);
            EXPECT_THROW(broken.ReadBuffer(back.data(), std::int64_t(back.size())), EStreamError) << cut;
        }
    }
}
