// An event logger that keeps what it is given, for tests of the parts that log. Several threads
// may log at once (a transfer's sender and receiver), so it locks.
#pragma once

#include <cstdint>
#include <mutex>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "shared/connection/event_logger.h"

namespace KovaTest {

struct LoggedEvent {
    std::uint32_t type;
    Kova::TesselApi::Shared::Result result;
    std::string text;
    bool operator==(const LoggedEvent&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const LoggedEvent& e) {
    return out << "{" << e.type << ", 0x" << std::hex << e.result << std::dec << ", \"" << e.text << "\"}";
}

class EventRecorder : public Kova::TesselApi::Shared::IEventLogger {
public:
    void Event(std::uint32_t type, Kova::TesselApi::Shared::Result result, std::string_view text) override {
        const std::lock_guard lock(mutex_);
        events_.push_back({type, result, std::string(text)});
    }
    void Log(std::uint32_t type, Kova::TesselApi::Shared::Result result, std::string_view text) override {
        Event(type, result, text);
    }
    Kova::TesselApi::Shared::EventFunction& GetEventFunction() override { return function_; }

    std::vector<LoggedEvent> Events() const {
        const std::lock_guard lock(mutex_);
        return events_;
    }
    void Clear() {
        const std::lock_guard lock(mutex_);
        events_.clear();
    }
    // The first event whose text starts with the prefix, or an empty one.
    LoggedEvent Find(std::string_view prefix) const {
        for (const LoggedEvent& e : Events())
            if (e.text.starts_with(prefix)) return e;
        return {};
    }

private:
    mutable std::mutex mutex_;
    std::vector<LoggedEvent> events_;
    Kova::TesselApi::Shared::EventFunction function_;
};

}  // namespace KovaTest
