// Readers of the controller's function list: one name per line, or one description per line.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "shared/callables.h"
#include "shared/language/basic_data_type.h"
#include "shared/reply/by_line_reply_parser.h"

namespace Kova::TesselApi::Shared {

// Every line is one function name.
class FunctionNameReplyParser final : public ByLineReplyParser<512> {
public:
    explicit FunctionNameReplyParser(StringSink sink) : sink_(std::move(sink)) {}

protected:
    Result OnLine(std::string_view line) override;

private:
    StringSink sink_;
};

// A line holding "NAME[INDEX]:WORD(PARAM:TYPE,...):TYPE" somewhere gives one description; other
// lines are dropped. The texts handed on point into the line and live during the call only.
class FunctionInfoReplyParser final : public ByLineReplyParser<512> {
public:
    explicit FunctionInfoReplyParser(FunctionInfoSink sink) : sink_(std::move(sink)) {}

protected:
    Result OnLine(std::string_view line) override;

private:
    FunctionInfoSink sink_;
    std::vector<std::string_view> paramNames_;
    std::vector<BasicDataType> paramTypes_;
};

}  // namespace Kova::TesselApi::Shared
