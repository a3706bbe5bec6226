// The caller's C callbacks as the sinks that operations call.
#include <gtest/gtest.h>

#include <string>

#include "api/call.h"

namespace {

using namespace Kova::TesselApi;

struct Seen {
    const kova_file_info* info = nullptr;
    std::string name;
    int calls = 0;
};

void OnDir(void* user, const kova_file_info* info, const char* name) {
    auto* seen = static_cast<Seen*>(user);
    seen->info = info;
    seen->name = name;
    ++seen->calls;
}

bool OnKey(void* user, const char* authority) { return std::string(authority) == *static_cast<std::string*>(user); }

TEST(CallbackAdapters, HandRecordsByAddressAndOtherArgumentsAsTheyAre) {
    Seen seen;
    const Shared::DirSink sink = Api::SinkOf<Shared::DirSink>(OnDir, &seen);
    const kova_file_info info{1, 200, 10, 0xFFFFFFFF, 0};
    sink(info, "MAIN");
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.info, &info);
    EXPECT_EQ(seen.name, "MAIN");
}

TEST(CallbackAdapters, PassTheCallbacksAnswerBack) {
    std::string known = "acme";
    const Shared::ProjectKeyQuery query = Api::SinkOf<Shared::ProjectKeyQuery>(OnKey, &known);
    EXPECT_TRUE(query("acme"));
    EXPECT_FALSE(query("other"));
}

TEST(CallbackAdapters, ANullCallbackGivesAnEmptySink) {
    EXPECT_FALSE(Api::SinkOf<Shared::DirSink>(static_cast<kova_dir_callback>(nullptr), nullptr));
    EXPECT_FALSE(Api::Sink(nullptr, nullptr));
}

}  // namespace
