// Names and descriptions of results, and the export that lists the controller's current errors.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "kova/tesselapi.h"
#include "shared/errors/error_catalogue.h"
#include "shared/errors/error_enumeration.h"
#include "shared/result.h"

namespace {

using namespace Kova::TesselApi::Shared;

void RecordText(void* user, const char* text, uint32_t length) {
    static_cast<std::vector<std::string>*>(user)->emplace_back(text, length);
}

std::string NameOf(kova_result result) {
    std::vector<std::string> texts;
    kova_GetErrorName(result, RecordText, &texts);
    EXPECT_EQ(texts.size(), 1u) << std::hex << result;
    return texts.empty() ? std::string() : texts.front();
}

std::string DescriptionOf(kova_result result) {
    std::vector<std::string> texts;
    kova_GetErrorString(result, RecordText, &texts);
    EXPECT_EQ(texts.size(), 1u) << std::hex << result;
    return texts.empty() ? std::string() : texts.front();
}

TEST(ErrorTexts, SuccessAndCodeZeroOfEveryKindAreNoError) {
    for (kova_result result : {0x0ull, 0x100000000ull, 0x8100000000ull, 0x400000000ull, 0x200000000ull}) {
        EXPECT_EQ(NameOf(result), "NoError") << std::hex << result;
        EXPECT_EQ(DescriptionOf(result), "No error.") << std::hex << result;
    }
}

TEST(ErrorTexts, LibraryCodesAreNamedWithOrWithoutTheFatalMark) {
    EXPECT_EQ(NameOf(0x8100000004), "InvalidContext");
    EXPECT_EQ(DescriptionOf(0x8100000004), "Invalid context.");
    EXPECT_EQ(NameOf(0x100000004), "InvalidContext");
}

TEST(ErrorTexts, CodesOutsideTheCataloguesAreUnknownError) {
    for (kova_result result : {0x10000001Aull, 0x8000000000ull, 0x40000011Eull, 0x12ull}) {
        EXPECT_EQ(NameOf(result), "UnknownError") << std::hex << result;
        EXPECT_EQ(DescriptionOf(result), "Unknown error.") << std::hex << result;
    }
}

TEST(ErrorTexts, ControllerErrorsCarryTheControllersMessages) {
    EXPECT_EQ(NameOf(0x400000001), "ControllerError_COMMAND_NOT_RECOGNISED");
    EXPECT_EQ(DescriptionOf(0x400000001), "Command not recognized");
    EXPECT_EQ(NameOf(0x8400000001), "ControllerError_COMMAND_NOT_RECOGNISED");
    // The controller completes some with a number or a name.
    EXPECT_EQ(DescriptionOf(0x4000000B1), "Too many functions defined: MAX = ");
}

TEST(ErrorTexts, SystemErrorsAreNamedByNumberWithTheSystemsText) {
    EXPECT_EQ(NameOf(0x200000002), "SysErr_2");
    const std::string text = DescriptionOf(0x200000002);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.back(), '\r');
    // Asked again, the same text.
    EXPECT_EQ(DescriptionOf(0x200000002), text);
    EXPECT_EQ(NameOf(0x20000FFFE), "SysErr_65534");
    // The system kind wins over the controller kind.
    EXPECT_EQ(NameOf(0x600000002), "SysErr_2");
    EXPECT_EQ(NameOf(0x8200000005), "SysErr_5");
}

TEST(ErrorTexts, SystemErrorRecordsAreConsistentAcrossThreads) {
    std::vector<std::thread> threads;
    std::vector<int> mismatches(8, 0);
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([t, &mismatches] {
            for (std::uint32_t n = 1; n < 200; ++n) {
                const ErrorRecord record = SystemErrorRecord(n + 1000u * static_cast<std::uint32_t>(t % 2));
                if (record.name != "SysErr_" + std::to_string(record.code)) ++mismatches[t];
            }
        });
    }
    for (auto& thread : threads) thread.join();
    for (int t = 0; t < 8; ++t) EXPECT_EQ(mismatches[t], 0) << t;
    // Records stay where they were made.
    EXPECT_EQ(SystemErrorRecord(7).name.data(), SystemErrorRecord(7).name.data());
}

TEST(ErrorTexts, NullCallbacksAreIgnored) {
    kova_GetErrorName(0x100000002, nullptr, nullptr);
    kova_GetErrorString(0x200000002, nullptr, nullptr);
    SUCCEED();
}

ErrorInfo Record(std::uint32_t kind, std::uint32_t tag) {
    ErrorInfo info{};
    info.kind = kind;
    info.axis = tag;
    return info;
}

ErrorSource Giving(Result result, std::vector<ErrorInfo> errors, std::vector<int>* order, int id) {
    return [=](std::vector<ErrorInfo>& out) {
        order->push_back(id);
        out.insert(out.end(), errors.begin(), errors.end());
        return result;
    };
}

TEST(EnumErrors, CollectsEverySourceInOrderThenDelivers) {
    std::vector<int> order;
    std::vector<std::uint32_t> delivered;
    const Result result = EnumerateErrors(
        {Giving(0, {Record(1, 10)}, &order, 1), Giving(Error(NotSupported), {}, &order, 2),
         Giving(Error(Fail), {Record(4, 20), Record(4, 21)}, &order, 3)},
        [&](const ErrorInfo& info) { delivered.push_back(info.axis); });
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(delivered, (std::vector<std::uint32_t>{10, 20, 21}));
    // The first source that did not simply succeed gives the result.
    EXPECT_EQ(result, Error(NotSupported));
}

TEST(EnumErrors, HardFailureEndsTheCollectionWithoutDelivery) {
    std::vector<int> order;
    int delivered = 0;
    const Result result = EnumerateErrors(
        {Giving(0, {Record(1, 10)}, &order, 1), Giving(Error(Timeout), {Record(4, 20)}, &order, 2),
         Giving(0, {Record(8, 30)}, &order, 3)},
        [&](const ErrorInfo&) { ++delivered; });
    EXPECT_EQ(result, Error(Timeout));
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    EXPECT_EQ(delivered, 0);
}

}  // namespace
