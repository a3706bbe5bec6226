#include "json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace KovaTool {

namespace {

void WriteString(std::string& out, const std::string& text) {
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

}  // namespace

std::string NumberText(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

std::string Json::Text() const {
    std::string out;
    Write(out);
    return out;
}

std::string Json::Plain() const {
    if (const auto* text = std::get_if<std::string>(&value_)) return *text;
    if (const auto* number = std::get_if<double>(&value_)) {
        char shown[32];
        std::snprintf(shown, sizeof shown, "%.9g", *number);
        return shown;
    }
    if (const auto* values = std::get_if<Array>(&value_)) {
        std::string shown;
        for (const Json& value : *values) {
            if (!shown.empty()) shown += ' ';
            shown += value.Plain();
        }
        return shown;
    }
    return Text();
}

void Json::Write(std::string& out) const {
    struct Writer {
        std::string& out;
        void operator()(std::monostate) const { out += "null"; }
        void operator()(bool value) const { out += value ? "true" : "false"; }
        void operator()(double value) const { out += std::isfinite(value) ? NumberText(value) : "null"; }
        void operator()(std::int64_t value) const { out += std::to_string(value); }
        void operator()(const std::string& value) const { WriteString(out, value); }
        void operator()(const Array& values) const {
            out += '[';
            for (std::size_t i = 0; i < values.size(); ++i) {
                if (i) out += ',';
                values[i].Write(out);
            }
            out += ']';
        }
        void operator()(const Object& members) const {
            out += '{';
            for (std::size_t i = 0; i < members.size(); ++i) {
                if (i) out += ',';
                WriteString(out, members[i].first);
                out += ':';
                members[i].second.Write(out);
            }
            out += '}';
        }
    };
    std::visit(Writer{out}, value_);
}

}  // namespace KovaTool
