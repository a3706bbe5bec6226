#include "shared/transfer/crc.h"

#include <algorithm>
#include <array>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define KOVA_CRC_CARRYLESS 1
#endif

namespace Kova::TesselApi::Shared {

namespace {

// No final XOR in any of them. "XMODEM" is reflected here, unlike the published model of that name.
constexpr std::array<CrcModel, 5> kCatalogue{{
    {"X25", 16, 0x1021, 0xFFFF, false, false, 0},
    {"CRC-16", 16, 0x8005, 0, false, false, 0},
    {"ARC", 16, 0x8005, 0, true, true, 0},
    {"XMODEM", 16, 0x8408, 0, true, true, 0},
    {"CRC-32", 32, 0x04C11DB7, 0xFFFFFFFF, true, true, 0},
}};

constexpr std::size_t kSlices = 16;

std::uint32_t Reflect(std::uint32_t value, unsigned width) {
    std::uint32_t result = 0;
    for (unsigned bit = 0; bit < width; ++bit)
        if (value & (1u << bit)) result |= 1u << (width - 1 - bit);
    return result;
}

std::uint32_t Mask(unsigned width) { return width >= 32 ? 0xFFFFFFFFu : (1u << width) - 1; }

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

CrcModel Normalised(CrcModel model) {
    model.width = std::clamp<std::uint8_t>(model.width, 1, 32);
    const std::uint32_t mask = Mask(model.width);
    model.polynomial &= mask;
    model.init &= mask;
    model.xorOut &= mask;
    return model;
}

// x^power modulo x^32 + low, for a register kept in the top bits.
std::uint32_t PowerModulo(unsigned power, std::uint32_t low) {
    std::uint64_t value = 1;
    for (unsigned i = 0; i < power; ++i) {
        value <<= 1;
        if (value & 0x100000000ull) value ^= 0x100000000ull | low;
    }
    return static_cast<std::uint32_t>(value);
}

std::uint32_t Load32LittleEndian(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

std::uint32_t Load32BigEndian(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | std::uint32_t{p[3]};
}

}  // namespace

// Reflected models keep the register reflected in its low bits and shift right; the others keep it
// in the top bits of 32 and shift left, so one table shape serves every width. Slice k holds the
// effect of a byte followed by k zero bytes.
struct Crc::Tables {
    bool reflected = false;
    std::uint32_t slice[kSlices][256] = {};
    // Folding constants of the carry-less path: x^n mod the 32-bit polynomial for n = 128 + 64, 128,
    // 512 + 64, 512.
    std::uint32_t fold128High = 0, fold128Low = 0, fold512High = 0, fold512Low = 0;

    explicit Tables(const CrcModel& model) : reflected(model.reflectIn) {
        const unsigned width = model.width;
        if (reflected) {
            const std::uint32_t polynomial = Reflect(model.polynomial, width);
            for (std::uint32_t byte = 0; byte < 256; ++byte) {
                std::uint32_t value = byte;
                for (int bit = 0; bit < 8; ++bit) value = (value & 1) ? (value >> 1) ^ polynomial : value >> 1;
                slice[0][byte] = value;
            }
            for (std::size_t k = 1; k < kSlices; ++k)
                for (std::size_t byte = 0; byte < 256; ++byte) {
                    const std::uint32_t previous = slice[k - 1][byte];
                    slice[k][byte] = (previous >> 8) ^ slice[0][previous & 0xFF];
                }
        } else {
            const std::uint32_t polynomial = model.polynomial << (32 - width);
            for (std::uint32_t byte = 0; byte < 256; ++byte) {
                std::uint32_t value = byte << 24;
                for (int bit = 0; bit < 8; ++bit)
                    value = (value & 0x80000000u) ? (value << 1) ^ polynomial : value << 1;
                slice[0][byte] = value;
            }
            for (std::size_t k = 1; k < kSlices; ++k)
                for (std::size_t byte = 0; byte < 256; ++byte) {
                    const std::uint32_t previous = slice[k - 1][byte];
                    slice[k][byte] = (previous << 8) ^ slice[0][previous >> 24];
                }
            fold128High = PowerModulo(192, polynomial);
            fold128Low = PowerModulo(128, polynomial);
            fold512High = PowerModulo(576, polynomial);
            fold512Low = PowerModulo(512, polynomial);
        }
    }
};

namespace {

// The catalogue's tables are built once, on first use, and shared by every engine.
const std::shared_ptr<const Crc::Tables>& CatalogueTables(std::size_t index) {
    static const auto tables = [] {
        std::array<std::shared_ptr<const Crc::Tables>, kCatalogue.size()> built;
        for (std::size_t i = 0; i < kCatalogue.size(); ++i) built[i] = std::make_shared<const Crc::Tables>(kCatalogue[i]);
        return built;
    }();
    return tables[index];
}

std::shared_ptr<const Crc::Tables> TablesFor(const CrcModel& model) {
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        const CrcModel& known = kCatalogue[i];
        if (known.width == model.width && known.polynomial == model.polynomial && known.reflectIn == model.reflectIn)
            return CatalogueTables(i);
    }
    return std::make_shared<const Crc::Tables>(model);
}

#ifdef KOVA_CRC_CARRYLESS
// Sixteen message bytes as one polynomial, the first byte's top bit highest.
__attribute__((target("pclmul,ssse3"))) inline __m128i Load(const std::uint8_t* at, __m128i reverse) {
    return _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)), reverse);
}

// lane * x^n, with the high and low halves' constants for that n.
__attribute__((target("pclmul,ssse3"))) inline __m128i Fold(__m128i lane, __m128i constants) {
    return _mm_xor_si128(_mm_clmulepi64_si128(lane, constants, 0x00), _mm_clmulepi64_si128(lane, constants, 0x11));
}

// Unreflected models over long runs: four 128-bit lanes of the message are folded forward with
// carry-less multiplication, which keeps them congruent to the message modulo the polynomial; the
// one 16-byte remainder then goes through the table. Needs at least 64 bytes, consumes a multiple
// of 64 and answers the register after them.
__attribute__((target("pclmul,ssse3"))) std::uint32_t FoldCarryless(const Crc::Tables& tables, std::uint32_t crc,
                                                                     const std::uint8_t*& p, std::size_t& size) {
    const __m128i reverse = _mm_set_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    const __m128i by512 = _mm_set_epi64x(tables.fold512High, tables.fold512Low);
    const __m128i by128 = _mm_set_epi64x(tables.fold128High, tables.fold128Low);

    // The register so far stands for the first four bytes of what follows.
    __m128i x0 = _mm_xor_si128(Load(p, reverse), _mm_set_epi32(static_cast<int>(crc), 0, 0, 0));
    __m128i x1 = Load(p + 16, reverse);
    __m128i x2 = Load(p + 32, reverse);
    __m128i x3 = Load(p + 48, reverse);
    p += 64;
    size -= 64;
    for (; size >= 64; size -= 64, p += 64) {
        x0 = _mm_xor_si128(Fold(x0, by512), Load(p, reverse));
        x1 = _mm_xor_si128(Fold(x1, by512), Load(p + 16, reverse));
        x2 = _mm_xor_si128(Fold(x2, by512), Load(p + 32, reverse));
        x3 = _mm_xor_si128(Fold(x3, by512), Load(p + 48, reverse));
    }
    __m128i x = _mm_xor_si128(Fold(x0, by128), x1);
    x = _mm_xor_si128(Fold(x, by128), x2);
    x = _mm_xor_si128(Fold(x, by128), x3);

    alignas(16) std::uint8_t rest[16];
    _mm_store_si128(reinterpret_cast<__m128i*>(rest), _mm_shuffle_epi8(x, reverse));
    const auto& t = tables.slice;
    const std::uint32_t a = Load32BigEndian(rest), b = Load32BigEndian(rest + 4);
    const std::uint32_t c = Load32BigEndian(rest + 8), d = Load32BigEndian(rest + 12);
    return t[15][a >> 24] ^ t[14][(a >> 16) & 0xFF] ^ t[13][(a >> 8) & 0xFF] ^ t[12][a & 0xFF] ^ t[11][b >> 24] ^
           t[10][(b >> 16) & 0xFF] ^ t[9][(b >> 8) & 0xFF] ^ t[8][b & 0xFF] ^ t[7][c >> 24] ^ t[6][(c >> 16) & 0xFF] ^
           t[5][(c >> 8) & 0xFF] ^ t[4][c & 0xFF] ^ t[3][d >> 24] ^ t[2][(d >> 16) & 0xFF] ^ t[1][(d >> 8) & 0xFF] ^
           t[0][d & 0xFF];
}

bool HasCarryless() {
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("ssse3");
    }();
    return has;
}
#endif

constexpr std::size_t kCarrylessMinimum = 128;

}  // namespace

std::span<const CrcModel> CrcCatalogue() { return kCatalogue; }

const CrcModel* FindCrcModel(std::string_view name) {
    for (const CrcModel& model : kCatalogue)
        if (SameName(model.name, name)) return &model;
    return nullptr;
}

Crc::Crc() : Crc(*FindCrcModel(kTransferCrcName)) {}

Crc::Crc(const CrcModel& model) : model_(Normalised(model)), tables_(TablesFor(model_)) { Reset(); }

bool Crc::Select(std::string_view name) {
    const CrcModel* model = FindCrcModel(name);
    if (model == nullptr) return false;
    model_ = *model;
    tables_ = TablesFor(model_);
    Reset();
    return true;
}

void Crc::Reset() {
    register_ = tables_->reflected ? Reflect(model_.init, model_.width) : model_.init << (32 - model_.width);
}

void Crc::UpdateBytewise(const void* data, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    const auto& table = tables_->slice[0];
    std::uint32_t crc = register_;
    if (tables_->reflected) {
        for (std::size_t i = 0; i < size; ++i) crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
    } else {
        for (std::size_t i = 0; i < size; ++i) crc = table[(crc >> 24) ^ p[i]] ^ (crc << 8);
    }
    register_ = crc;
}

void Crc::Update(const void* data, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    const auto& t = tables_->slice;
    std::uint32_t crc = register_;
    if (tables_->reflected) {
        for (; size >= kSlices; size -= kSlices, p += kSlices) {
            const std::uint32_t a = Load32LittleEndian(p) ^ crc;
            const std::uint32_t b = Load32LittleEndian(p + 4);
            const std::uint32_t c = Load32LittleEndian(p + 8);
            const std::uint32_t d = Load32LittleEndian(p + 12);
            crc = t[15][a & 0xFF] ^ t[14][(a >> 8) & 0xFF] ^ t[13][(a >> 16) & 0xFF] ^ t[12][a >> 24] ^
                  t[11][b & 0xFF] ^ t[10][(b >> 8) & 0xFF] ^ t[9][(b >> 16) & 0xFF] ^ t[8][b >> 24] ^
                  t[7][c & 0xFF] ^ t[6][(c >> 8) & 0xFF] ^ t[5][(c >> 16) & 0xFF] ^ t[4][c >> 24] ^
                  t[3][d & 0xFF] ^ t[2][(d >> 8) & 0xFF] ^ t[1][(d >> 16) & 0xFF] ^ t[0][d >> 24];
        }
    } else {
#ifdef KOVA_CRC_CARRYLESS
        if (size >= kCarrylessMinimum && HasCarryless()) crc = FoldCarryless(*tables_, crc, p, size);
#endif
        for (; size >= kSlices; size -= kSlices, p += kSlices) {
            const std::uint32_t a = Load32BigEndian(p) ^ crc;
            const std::uint32_t b = Load32BigEndian(p + 4);
            const std::uint32_t c = Load32BigEndian(p + 8);
            const std::uint32_t d = Load32BigEndian(p + 12);
            crc = t[15][a >> 24] ^ t[14][(a >> 16) & 0xFF] ^ t[13][(a >> 8) & 0xFF] ^ t[12][a & 0xFF] ^
                  t[11][b >> 24] ^ t[10][(b >> 16) & 0xFF] ^ t[9][(b >> 8) & 0xFF] ^ t[8][b & 0xFF] ^
                  t[7][c >> 24] ^ t[6][(c >> 16) & 0xFF] ^ t[5][(c >> 8) & 0xFF] ^ t[4][c & 0xFF] ^
                  t[3][d >> 24] ^ t[2][(d >> 16) & 0xFF] ^ t[1][(d >> 8) & 0xFF] ^ t[0][d & 0xFF];
        }
    }
    register_ = crc;
    UpdateBytewise(p, size);
}

std::uint32_t Crc::Value() const {
    const unsigned width = model_.width;
    std::uint32_t value = tables_->reflected ? register_ : register_ >> (32 - width);
    if (model_.reflectOut != model_.reflectIn) value = Reflect(value, width);
    return (value ^ model_.xorOut) & Mask(width);
}

std::uint32_t Crc::Of(const CrcModel& model, const void* data, std::size_t size) {
    Crc crc(model);
    crc.Update(data, size);
    return crc.Value();
}

}  // namespace Kova::TesselApi::Shared
