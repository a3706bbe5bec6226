// The program store's directory and the process list as an application receives them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shared/programs/directory_listing.h"
#include "shared/programs/process_listing.h"

namespace {

using namespace Kova::TesselApi::Shared;

constexpr Result kBadResponse = 0x810000000b;

struct Entry {
    kova_file_info info;
    std::string name;
};

struct Listed {
    Result result;
    std::vector<Entry> entries;
};

Listed Directory(std::string_view reply) {
    Listed listed;
    listed.result = ReadDirectoryListing(reply, [&](const kova_file_info& info, const char* name) {
        listed.entries.push_back({info, name});
    });
    return listed;
}

struct Process {
    kova_process_info info;
    std::string name;
};

Result Processes(std::string_view reply, std::vector<Process>& processes) {
    return ReadProcessListing(reply, [&](const kova_process_info& info, const char* name) {
        processes.push_back({info, name});
    });
}

TEST(DirectoryListing, ReadsEntriesBetweenTheHeadingAndOk) {
    const Listed listed = Directory(
        "Name,Size,Lines,Process,Type,Attributes\r\n"
        "MAIN,1200,45,3,0,7\r\n"
        "NOTES,10,2,4294967295,3,0\n"
        "ok\n"
        "AFTER,1,1,1,1,1\n");
    EXPECT_EQ(listed.result, kSuccess);
    ASSERT_EQ(listed.entries.size(), 2u);
    const kova_file_info& main = listed.entries[0].info;
    EXPECT_EQ(listed.entries[0].name, "MAIN");
    EXPECT_EQ(main.type, 0u);
    EXPECT_EQ(main.size, 1200u);
    EXPECT_EQ(main.lines, 45u);
    EXPECT_EQ(main.process, 3u);
    EXPECT_EQ(main.attributes, 7u);
    EXPECT_EQ(listed.entries[1].info.process, 0xFFFFFFFFu);
    EXPECT_EQ(listed.entries[1].info.type, 3u);
}

TEST(DirectoryListing, EndsAtANulByteOrTheReplyAndCutsLongNames) {
    const std::string longName(200, 'P');
    const std::string reply = "heading\n" + longName + ",1,2,3,4,5\nLAST,1,1,1,1,1";
    const Listed listed = Directory(reply + std::string("\0BROKEN\n", 8));
    EXPECT_EQ(listed.result, kSuccess);
    ASSERT_EQ(listed.entries.size(), 2u);
    EXPECT_EQ(listed.entries[0].name, longName.substr(0, 131));
    EXPECT_EQ(listed.entries[1].name, "LAST");
    EXPECT_EQ(Directory("").result, kSuccess);
}

TEST(DirectoryListing, AnUnreadableLineEndsTheListingWithBadResponse) {
    const char* const lines[] = {"table,1,2,3,4,5", "MAIN,1,2,3,4", "MAIN,1,2,3,4,99999999999", ""};
    for (const char* line : lines) {
        const Listed listed = Directory(std::string("heading\nFIRST,1,1,1,1,1\n") + line + "\nLATER,1,1,1,1,1\n");
        EXPECT_EQ(listed.result, kBadResponse) << line;
        EXPECT_EQ(listed.entries.size(), 1u) << line;
    }
    EXPECT_EQ(Directory("heading\nTABLES,1,2,3,4,5\n").result, kSuccess);
}

TEST(ProcessListing, DeliversBasicProcessesWithElapsedTimeAndLoad) {
    std::vector<Process> processes;
    const Result result = Processes(
        "Proc Prio Name Line Elapsed Load Kind\r\n"
        " 3,2,MAIN,14,1.02:03:04.5678,12.5,BASIC\r\n"
        "4,1,MOTION,0,0.0:0:0,*,SYSTEM\n"
        "5,1,  PICK  ,7,0.0:1:2, * ,BASIC\n"
        "OK\n",
        processes);
    EXPECT_EQ(result, kSuccess);
    ASSERT_EQ(processes.size(), 2u);
    const kova_process_info& main = processes[0].info;
    EXPECT_EQ(processes[0].name, "MAIN");
    EXPECT_EQ(main.process, 3u);
    EXPECT_EQ(main.priority, 2u);
    EXPECT_EQ(main.line, 14u);
    // The record is packed: its 64-bit fields are read by value, never bound to a reference.
    EXPECT_EQ(int64_t{main.elapsed_ms}, ((1 * 24 + 2) * 60 + 3) * 60000 + 4567);
    EXPECT_EQ(double{main.load}, 12.5);
    EXPECT_EQ(processes[1].name, "PICK");
    EXPECT_EQ(int64_t{processes[1].info.elapsed_ms}, 62000);
    EXPECT_TRUE(std::isnan(processes[1].info.load));
}

TEST(ProcessListing, AnUnreadableProcessLineEndsTheListingWithBadResponse) {
    const char* const lines[] = {
        "6,1,MAIN,0,0.0:0:0,1,",          // no kind
        "6,1,MAIN,0,0.0:0:0,1,BASIC,X",   // eight fields
        "6,1,MAIN,0,0:0:0,1,BASIC",       // no days
        "6,1,MAIN,0,0.0:0:0,,BASIC",      // no load
        "6,1,MAIN,0,0.0:0:0,1e999,BASIC", // a load beyond a double
    };
    for (const char* line : lines) {
        std::vector<Process> processes;
        EXPECT_EQ(Processes(std::string("1,1,A,0,0.0:0:0,1,BASIC\n") + line + "\n2,1,B,0,0.0:0:0,1,BASIC\n",
                            processes),
                  kBadResponse)
            << line;
        EXPECT_EQ(processes.size(), 1u) << line;
    }
}

}  // namespace
