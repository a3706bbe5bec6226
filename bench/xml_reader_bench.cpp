// Parse throughput of the XML reader beside pugixml's in-place parse, on the same texts in one run:
// a 10 MiB project file and a resource document of a few kilobytes. Both sides copy the text into a
// fresh buffer, parse it and free the tree on every iteration. "of_pugixml" is pugixml's processor
// time over ours: 1 is as fast, 0.5 twice as slow.
#include <benchmark/benchmark.h>

#include <pugixml.hpp>

#include <time.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "shared/xml/xml_document.h"

namespace {

using Kova::TesselApi::Shared::XmlDocument;

std::string ProjectDocument() {
    std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!-- generated project -->\n"
                       "<Project Version=\"2\">\n  <Items>\n";
    char item[512];
    for (unsigned i = 0; text.size() < (10u << 20); ++i) {
        std::snprintf(item, sizeof item,
                      "    <Item Type=\"%s\" Name=\"PROG%05u\" FileName=\"programs\\prog%05u.bas\" "
                      "Storage=\"internalStorage\" IsAutorun=\"%s\" Autorun=\"%u\" "
                      "EncryptionGroup=\"Tools &amp; Fixtures\"/>\n",
                      i % 7 == 0 ? "Text" : "Basic", i, i, i % 5 == 0 ? "true" : "false", i % 16);
        text += item;
        if (i % 50 == 0) text += "    <!-- next group -->\n    <Note>Group &lt;" + std::to_string(i / 50) + "&gt;</Note>\n";
    }
    return text + "  </Items>\n</Project>\n";
}

std::string ResourceDocument() {
    std::string text = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<root>\n"
                       "  <resheader name=\"resmimetype\">\n    <value>text/microsoft-resx</value>\n  </resheader>\n"
                       "  <resheader name=\"version\">\n    <value>2.0</value>\n  </resheader>\n";
    char entry[512];
    for (unsigned i = 0; i < 60; ++i) {
        std::snprintf(entry, sizeof entry,
                      "  <data name=\"AXISSTATUS_%u\" xml:space=\"preserve\">\n"
                      "    <value>Status bit %u) - The axis reports condition %u &amp; waits for a reset</value>\n"
                      "  </data>\n",
                      1u << (i % 24), i, i);
        text += entry;
    }
    return text + "</root>\n";
}

const std::string& Document(int which) {
    static const std::string project = ProjectDocument();
    static const std::string resource = ResourceDocument();
    return which == 0 ? project : resource;
}

double pugixmlSeconds[2] = {};

// This thread's processor time, not wall time: the ratio should not move with the load of a shared
// machine, nor with threads that other benchmarks of the run left behind.
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double SecondsPerIteration(double start, const benchmark::State& state) {
    return (ThreadSeconds() - start) / static_cast<double>(state.iterations());
}

void Pugixml(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    const std::string& text = Document(which);
    const double start = ThreadSeconds();
    for (auto _ : state) {
        std::vector<char> buffer(text.begin(), text.end());
        pugi::xml_document document;
        if (!document.load_buffer_inplace(buffer.data(), buffer.size())) state.SkipWithError("pugixml refused it");
        benchmark::DoNotOptimize(document.first_child());
    }
    pugixmlSeconds[which] = SecondsPerIteration(start, state);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void XmlReader(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    const std::string& text = Document(which);
    const double start = ThreadSeconds();
    for (auto _ : state) {
        XmlDocument document;
        if (!document.Parse(text)) state.SkipWithError("the reader refused it");
        benchmark::DoNotOptimize(document.Root().Children().data());
    }
    const double seconds = SecondsPerIteration(start, state);
    if (pugixmlSeconds[which] > 0 && seconds > 0) state.counters["of_pugixml"] = pugixmlSeconds[which] / seconds;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// Argument 0: the project file; 1: the resource document. pugixml runs first for each.
BENCHMARK(Pugixml)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(XmlReader)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(Pugixml)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(XmlReader)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
