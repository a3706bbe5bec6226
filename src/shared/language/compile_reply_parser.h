// Turns the controller's compiler output into typed compile messages and keeps the first error.
#pragma once

#include <string_view>
#include <utility>

#include "shared/callables.h"
#include "shared/reply/by_line_reply_parser.h"

namespace Kova::TesselApi::Shared {

class CompileReplyParser final : public ByLineReplyParser<512> {
public:
    // The sink may be empty: the lines are still read and the first error still kept.
    explicit CompileReplyParser(CompileSink sink) : sink_(std::move(sink)) {}

    // 0, or the controller error of the first compile or link error line.
    Result FirstError() const { return firstError_; }

protected:
    Result OnLine(std::string_view line) override;

private:
    void Deliver(std::uint32_t type, std::string_view program, std::uint32_t line, std::uint32_t code,
                 std::string_view text) const;

    CompileSink sink_;
    Result firstError_ = kSuccess;
};

}  // namespace Kova::TesselApi::Shared
