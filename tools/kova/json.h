// The small JSON values the tool prints with --json: built in memory, written at once.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace KovaTool {

class Json {
public:
    using Array = std::vector<Json>;
    using Object = std::vector<std::pair<std::string, Json>>;  // members keep their order

    Json() = default;
    Json(bool value) : value_(value) {}
    Json(double value) : value_(value) {}
    Json(std::int64_t value) : value_(value) {}
    Json(std::uint32_t value) : value_(static_cast<std::int64_t>(value)) {}
    Json(std::int32_t value) : value_(static_cast<std::int64_t>(value)) {}
    Json(std::string value) : value_(std::move(value)) {}
    Json(const char* value) : value_(std::string(value)) {}
    Json(Array value) : value_(std::move(value)) {}
    Json(Object value) : value_(std::move(value)) {}

    // Compact text; a number that is not finite is written as null.
    std::string Text() const;
    // For people: texts without quotes, numbers to 9 digits, NaN as nan.
    std::string Plain() const;

private:
    void Write(std::string& out) const;
    std::variant<std::monostate, bool, double, std::int64_t, std::string, Array, Object> value_;
};

// The shortest text that reads back as the same double.
std::string NumberText(double value);

}  // namespace KovaTool
