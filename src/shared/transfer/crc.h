// Table-driven CRCs of any width from 1 to 32 bits, with a catalogue of the named models the
// controller knows. The file transfer uses "CRC-16".
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

namespace Kova::TesselApi::Shared {

struct CrcModel {
    std::string_view name;
    std::uint8_t width;        // bits of the result, 1 to 32
    std::uint32_t polynomial;  // without its top bit, most significant bit first
    std::uint32_t init;        // register before the first byte, unreflected
    bool reflectIn;            // bytes enter least significant bit first
    bool reflectOut;           // the register is reflected before the final XOR
    std::uint32_t xorOut;
};

std::span<const CrcModel> CrcCatalogue();
// Null when the catalogue has no model of that name (compared without regard to case).
const CrcModel* FindCrcModel(std::string_view name);

inline constexpr std::string_view kTransferCrcName = "CRC-16";

class Crc {
public:
    struct Tables;

    // The transfer's model.
    Crc();
    // A width outside 1 to 32 is taken as the nearest allowed one.
    explicit Crc(const CrcModel& model);

    // Switches to a catalogue model and starts over; false (and no change) for an unknown name.
    bool Select(std::string_view name);
    const CrcModel& Model() const { return model_; }

    void Reset();
    void Update(const void* data, std::size_t size);
    // One table look-up per byte: the same result as Update, several times slower.
    void UpdateBytewise(const void* data, std::size_t size);
    // The CRC of everything fed since the last reset; feeding may go on.
    std::uint32_t Value() const;

    static std::uint32_t Of(const CrcModel& model, const void* data, std::size_t size);

private:
    CrcModel model_;
    std::shared_ptr<const Tables> tables_;
    std::uint32_t register_ = 0;
};

}  // namespace Kova::TesselApi::Shared
