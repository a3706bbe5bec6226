// The CRC engine: the catalogue's check values, and that the fast path agrees with the plain one.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "shared/transfer/crc.h"

namespace {

using namespace Kova::TesselApi::Shared;

constexpr char kCheck[] = "123456789";

std::uint32_t CheckOf(std::string_view name) {
    const CrcModel* model = FindCrcModel(name);
    EXPECT_NE(model, nullptr) << name;
    return model == nullptr ? 0 : Crc::Of(*model, kCheck, 9);
}

std::vector<std::uint8_t> Pattern(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    std::uint32_t state = 12345;
    for (auto& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<std::uint8_t>(state >> 16);
    }
    return bytes;
}

TEST(Crc, CatalogueModelsGiveTheirCheckValues) {
    EXPECT_EQ(CheckOf("CRC-16"), 0xFEE8u);
    EXPECT_EQ(CheckOf("X25"), 0x29B1u);
    EXPECT_EQ(CheckOf("ARC"), 0xBB3Du);
    EXPECT_EQ(CheckOf("XMODEM"), 0x0C73u);  // reflected: not the published XMODEM value
    EXPECT_EQ(CheckOf("CRC-32"), 0x340BC6D9u);
    EXPECT_EQ(CrcCatalogue().size(), 5u);
}

TEST(Crc, TheDefaultEngineIsTheTransferModel) {
    Crc crc;
    EXPECT_EQ(crc.Model().name, "CRC-16");
    crc.Update(kCheck, 9);
    EXPECT_EQ(crc.Value(), 0xFEE8u);
    // A text file of lines "A" and "B" is fed as each line followed by 0xAA.
    const std::uint8_t lines[] = {'A', 0xAA, 'B', 0xAA};
    EXPECT_EQ(Crc::Of(*FindCrcModel("CRC-16"), lines, 4), 0x13EFu);
}

TEST(Crc, ChunkedUpdatesEqualOneUpdateAndTheBytewisePath) {
    const std::vector<std::uint8_t> data = Pattern(5000);
    for (const CrcModel& model : CrcCatalogue()) {
        Crc whole(model);
        whole.Update(data.data(), data.size());
        Crc bytewise(model);
        bytewise.UpdateBytewise(data.data(), data.size());
        EXPECT_EQ(whole.Value(), bytewise.Value()) << model.name;
        // Chunks of every length from 1 to 40 cross the 16-byte steps at every offset.
        for (std::size_t chunk = 1; chunk <= 40; ++chunk) {
            Crc pieces(model);
            for (std::size_t at = 0; at < data.size(); at += chunk)
                pieces.Update(data.data() + at, std::min(chunk, data.size() - at));
            ASSERT_EQ(pieces.Value(), whole.Value()) << model.name << " in chunks of " << chunk;
        }
    }
}

TEST(Crc, LongRunsAfterAnyPrefixEqualTheBytewisePath) {
    // Long updates take a faster route for the unreflected models; the register carried in from
    // earlier updates and every tail length must survive it.
    const std::vector<std::uint8_t> data = Pattern(1500);
    for (const std::string_view name : {"CRC-16", "X25", "CRC-32"}) {
        for (std::size_t prefix : {0u, 1u, 5u, 17u}) {
            for (std::size_t length = 100; length < 400; length += 13) {
                Crc fast(*FindCrcModel(name));
                fast.Update(data.data(), prefix);
                fast.Update(data.data() + prefix, length);
                Crc plain(*FindCrcModel(name));
                plain.UpdateBytewise(data.data(), prefix + length);
                ASSERT_EQ(fast.Value(), plain.Value()) << name << " prefix " << prefix << " length " << length;
            }
        }
    }
}

}  // namespace
