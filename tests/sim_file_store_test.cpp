// The simulated controller's file store: names, types and destinations of what a transfer left.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "sim/file_store.h"

namespace {

using Simulator::Destination;
using Simulator::FileStore;
using Simulator::FileTypeOfName;
using Simulator::StoredFile;

StoredFile File(std::string name, Destination destination, std::string content) {
    return {name, FileTypeOfName(name), destination, std::vector<std::uint8_t>(content.begin(), content.end())};
}

std::string Content(const StoredFile& file) { return std::string(file.bytes.begin(), file.bytes.end()); }

TEST(SimFileStore, KeepsOneFilePerNameAndDestination) {
    FileStore store;
    store.Store(File("Main.bas", Destination::Ram, "old"));
    store.Store(File("MAIN.BAS", Destination::Ram, "new"));
    store.Store(File("main.bas", Destination::Sd, "card"));
    EXPECT_EQ(store.Count(), 2u);
    ASSERT_TRUE(store.Find(Destination::Ram, "main.bas"));
    EXPECT_EQ(Content(*store.Find(Destination::Ram, "main.bas")), "new");
    EXPECT_EQ(store.Find(Destination::Ram, "main.bas")->type, 0u);
    EXPECT_EQ(Content(*store.Find(Destination::Sd, "Main.Bas")), "card");
    EXPECT_FALSE(store.Find(Destination::Fifo, "main.bas"));
}

TEST(SimFileStore, NameWithoutExtensionFindsTheOnlyFileOfThatStem) {
    FileStore store;
    store.Store(File("prog.bas", Destination::Ram, "a"));
    store.Store(File("two.bas", Destination::Ram, "b"));
    store.Store(File("two.txt", Destination::Ram, "c"));
    ASSERT_TRUE(store.Find(Destination::Ram, "PROG"));
    EXPECT_EQ(store.Find(Destination::Ram, "PROG")->name, "prog.bas");
    EXPECT_FALSE(store.Find(Destination::Ram, "two")) << "two files share the stem";
    EXPECT_FALSE(store.Find(Destination::Ram, "prog.txt"));
}

TEST(SimFileStore, FifoKeepsEveryFileInArrivalOrder) {
    FileStore store;
    store.Store(File("job.txt", Destination::Fifo, "1"));
    store.Store(File("job.txt", Destination::Fifo, "2"));
    store.Store(File("other.txt", Destination::Fifo, "3"));
    EXPECT_EQ(store.Count(), 3u);
    EXPECT_EQ(Content(*store.Find(Destination::Fifo, "job.txt")), "1");
    EXPECT_EQ(Content(*store.TakeFifo()), "1");
    EXPECT_EQ(Content(*store.TakeFifo()), "2");
    EXPECT_EQ(Content(*store.TakeFifo()), "3");
    EXPECT_FALSE(store.TakeFifo());
}

TEST(SimFileStore, ListsRamThenSdByNameThenFifoWithSizesAndCrcs) {
    FileStore store;
    store.Store(File("b.txt", Destination::Ram, "bb"));
    store.Store(File("z.bas", Destination::Fifo, "z"));
    store.Store(File("a.bas", Destination::Ram, "123456789"));
    store.Store(File("c.bin", Destination::Sd, ""));
    const auto listing = store.List();
    ASSERT_EQ(listing.size(), 4u);
    EXPECT_EQ(listing[0].name, "a.bas");
    EXPECT_EQ(listing[0].size, 9u);
    EXPECT_EQ(listing[0].crc, 0xFEE8);
    EXPECT_EQ(listing[1].name, "b.txt");
    EXPECT_EQ(listing[1].type, 3u);
    EXPECT_EQ(listing[2].destination, Destination::Sd);
    EXPECT_EQ(listing[2].type, 8u);
    EXPECT_EQ(listing[3].destination, Destination::Fifo);
}

TEST(SimFileStore, RemoveAndClearForgetFiles) {
    FileStore store;
    store.Store(File("a.bas", Destination::Ram, "a"));
    store.Store(File("b.bas", Destination::Sd, "b"));
    EXPECT_FALSE(store.Remove(Destination::Sd, "a.bas"));
    EXPECT_TRUE(store.Remove(Destination::Ram, "A.BAS"));
    EXPECT_FALSE(store.Find(Destination::Ram, "a.bas"));
    EXPECT_EQ(store.Count(), 1u);
    store.Clear();
    EXPECT_EQ(store.Count(), 0u);
}

TEST(SimFileStore, StoresFromManyThreadsAtOnce) {
    FileStore store;
    std::vector<std::thread> writers;
    for (int t = 0; t < 4; ++t)
        writers.emplace_back([&store, t] {
            for (int i = 0; i < 200; ++i) {
                std::string name = std::to_string(t);
                name.append("_").append(std::to_string(i)).append(".txt");
                store.Store(File(name, Destination::Ram, "x"));
                store.List();
            }
        });
    for (std::thread& writer : writers) writer.join();
    EXPECT_EQ(store.Count(), 800u);
}

}  // namespace
