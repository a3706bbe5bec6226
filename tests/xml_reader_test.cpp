// The XML reader: what it accepts, the tree it builds, and the one text it leaves for each refusal.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shared/xml/xml_document.h"
#include "shared/xml/xml_entities.h"
#include "support/scratch_directory.h"

namespace {

using Kova::TesselApi::Shared::DecodeEntitiesInPlace;
using Kova::TesselApi::Shared::XmlDocument;
using Kova::TesselApi::Shared::XmlNode;

constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";

std::string Xml(std::string_view body) { return std::string(kDeclaration) + std::string(body); }

// The decoded text, or "<failed>".
std::string Decoded(std::string text) {
    const auto length = DecodeEntitiesInPlace(text.data(), text.size());
    return length ? text.substr(0, *length) : "<failed>";
}

struct Refusal {
    std::string input;
    std::string_view error;
};

TEST(XmlReaderErrors, EachRefusalLeavesItsOwnText) {
    const std::vector<Refusal> refusals = {
        {"<a", "Not an XML file"},
        {" <?xml?><a/>", "Not an XML file"},
        {"\xFF\xFE<?x", "Only UTF-8 files accepted"},
        {"\x84\x31\x95\x33<?xml?><a/>", "Only UTF-8 files accepted"},
        {"\xEF\xBB\xBF<?xml version", "Closing '>' not found"},
        {"<a>text</a>", "Missing or invalid Xml header"},
        {"<?xml>", "Missing or invalid Xml header"},
        {Xml("   "), "Content not found"},
        {Xml("<a/>"), "Content not found"},
        {Xml("<a>text"), "Content closing '<' not found"},
        {Xml("<a><!-- never closed </a>"), "Closing '-->' not found"},
        {Xml("<a><b"), "Closing '>' not found"},
        {Xml("<a><!-- note -->"), "Closing '>' not found"},
        {Xml("<a><!-- note -->text</a>"), "Internal error"},
        {Xml("<a><></a>"), "Node error"},
        {Xml("<a>< b/></a>"), "Name not found after '<'"},
        {Xml("<a></b/></a>"), "Closing tag error"},
        {Xml("<a b>"), "Value expected"},
        {Xml("<a b= \"1\"/>"), "Quoted value expected"},
        {Xml("<a b='1'/>"), "Quoted value expected"},
        {Xml("<a b=\"1/>"), "Quotes not closed"},
        {Xml("<a b=\"&;\"/>"), "XML character decode error"},
        {Xml("<a><b></a>"), "Tag not closed"},
        {Xml("<a></A>"), "Tag not closed"},
        {Xml("text<a/>"), "Xml error"},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.input);
        XmlDocument document;
        EXPECT_FALSE(document.Parse(refusal.input));
        EXPECT_EQ(document.Error(), refusal.error);
    }
}

TEST(XmlReaderErrors, FilesThatCannotBeReadAreRefusedBeforeParsing) {
    const KovaTest::ScratchDirectory scratch;
    XmlDocument document;
    EXPECT_FALSE(document.LoadFile(scratch.Path("missing.xml")));
    EXPECT_EQ(document.Error(), "Failed to open the file");
    EXPECT_FALSE(document.LoadFile(scratch.Directory()));
    EXPECT_EQ(document.Error(), "Failed to open the file");

    // A file that opens but whose first byte cannot be read.
    std::FILE* unreadable = std::fopen("/proc/self/mem", "rb");
    if (unreadable == nullptr) GTEST_SKIP() << "no file here that opens but cannot be read";
    std::fclose(unreadable);
    EXPECT_FALSE(document.LoadFile("/proc/self/mem"));
    EXPECT_EQ(document.Error(), "Failed to read the file");
}

TEST(XmlReaderTree, ProjectStyleDocumentReadsAsWritten) {
    const KovaTest::ScratchDirectory scratch;
    XmlDocument document;
    ASSERT_TRUE(document.LoadFile(scratch.Write("demo.xml", Xml(R"(<!-- made by hand -->
<Project Version="2">
  <!-- items follow -->
  <Items>
    <Program Name="MAIN" Type="Basic" FileName="src\main.bas" Storage ="internalStorage" />
    <Text Name="NOTES" Type="Text" FileName="notes.txt" Storage="SDcard"/>
  </Items>
  <Title>A &lt;demo&gt; &amp; more</Title>
</Project>
trailing text after the root is not read <)"))))
        << document.Error();
    EXPECT_EQ(document.Error(), "");
    const XmlNode& project = document.Root();
    EXPECT_EQ(project.Name(), "Project");
    ASSERT_NE(project.FindAttribute("Version"), nullptr);
    EXPECT_EQ(*project.FindAttribute("Version"), "2");
    ASSERT_EQ(project.Children().size(), 2u);
    const XmlNode* items = project.FindChild("Items");
    ASSERT_NE(items, nullptr);
    ASSERT_EQ(items->Children().size(), 2u);
    const XmlNode& main = items->Children()[0];
    EXPECT_EQ(main.Name(), "Program");
    EXPECT_TRUE(main.SelfClosing());
    ASSERT_EQ(main.Attributes().size(), 4u);
    EXPECT_EQ(main.Attributes()[2].name, "FileName");
    EXPECT_EQ(main.Attributes()[2].value, "src\\main.bas");
    EXPECT_EQ(main.Attributes()[3].name, "Storage");
    EXPECT_EQ(main.Attributes()[3].value, "internalStorage");
    EXPECT_EQ(items->Children()[1].Name(), "Text");
    EXPECT_EQ(items->Content(), "");
    EXPECT_EQ(project.FindChild("Title")->Content(), "A <demo> & more");
    EXPECT_EQ(project.FindChild("Missing"), nullptr);
}

TEST(XmlReaderTree, ByteOrderMarkAndShortestDeclarationAreAccepted) {
    XmlDocument withMark;
    ASSERT_TRUE(withMark.Parse("\xEF\xBB\xBF<?xml?><a x=\"1\">t</a>")) << withMark.Error();
    XmlDocument withoutMark;
    ASSERT_TRUE(withoutMark.Parse("<?xml?><a x=\"1\">t</a>")) << withoutMark.Error();
    for (const XmlDocument* document : {&withMark, &withoutMark}) {
        EXPECT_EQ(document->Root().Name(), "a");
        EXPECT_EQ(*document->Root().FindAttribute("x"), "1");
        EXPECT_EQ(document->Root().Content(), "t");
    }
}

TEST(XmlReaderTree, TextIsKeptUpToTheNextTagAndTheLastPieceWins) {
    XmlDocument document;
    ASSERT_TRUE(document.Parse(Xml("<a>\n  first line\n  <b/>second</a>")));
    // Not a failure: the element keeps its last text and the parse goes on to the end.
    EXPECT_EQ(document.Error(), "Content set twice");
    EXPECT_EQ(document.Root().Content(), "second");
    EXPECT_EQ(document.Root().Children().size(), 1u);
}

TEST(XmlReaderTree, DuplicateAttributesStayAndEmptyValuesAreValues) {
    XmlDocument document;
    ASSERT_TRUE(document.Parse(Xml("<a k=\"1\" k=\"2\"e=\"\"/>\n</a>")));
    const auto& attributes = document.Root().Attributes();
    ASSERT_EQ(attributes.size(), 3u);
    EXPECT_EQ(attributes[0].value, "1");
    EXPECT_EQ(attributes[1].value, "2");
    EXPECT_EQ(attributes[2].name, "e");
    EXPECT_EQ(attributes[2].value, "");
}

TEST(XmlReaderTree, RefusedDocumentKeepsWhatWasBuilt) {
    XmlDocument document;
    ASSERT_FALSE(document.Parse(Xml("<a><b n=\"1\"/><c><d/></a>")));
    EXPECT_EQ(document.Error(), "Tag not closed");
    ASSERT_EQ(document.Root().Children().size(), 2u);
    EXPECT_EQ(*document.Root().Children()[0].FindAttribute("n"), "1");
    EXPECT_EQ(document.Root().Children()[1].Children()[0].Name(), "d");

    // A new parse starts from nothing.
    ASSERT_TRUE(document.Parse(Xml("<z></z>")));
    EXPECT_EQ(document.Error(), "");
    EXPECT_TRUE(document.Root().Children().empty());
}

TEST(XmlReaderTree, MovedDocumentKeepsItsViews) {
    XmlDocument original;
    ASSERT_TRUE(original.Parse("<?xml?><a b=\"c\"/></a>"));
    const XmlDocument moved = std::move(original);
    EXPECT_EQ(moved.Root().Name(), "a");
    EXPECT_EQ(*moved.Root().FindAttribute("b"), "c");
}

TEST(XmlReaderTree, DeepNestingParsesAndIsFreedWithoutOverflow) {
    constexpr int kDepth = 100000;
    std::string text(kDeclaration);
    for (int i = 0; i < kDepth; ++i) text += "<e>";
    text += "deepest";
    for (int i = 0; i < kDepth; ++i) text += "</e>";
    {
        XmlDocument document;
        ASSERT_TRUE(document.Parse(text)) << document.Error();
        const XmlNode* node = &document.Root();
        int depth = 1;
        while (!node->Children().empty()) {
            node = &node->Children().front();
            ++depth;
        }
        EXPECT_EQ(depth, kDepth);
        EXPECT_EQ(node->Content(), "deepest");
    }  // and the tree is freed
    text.resize(text.size() - 4);
    XmlDocument unclosed;
    EXPECT_FALSE(unclosed.Parse(text));
    EXPECT_EQ(unclosed.Error(), "Content not found");
}

// The fuzz target holds the decoder to a plain decoding; these rows pin the references it knows.
TEST(XmlEntities, KnownReferencesDecodeInPlaceAndOthersStayOrFail) {
    const std::pair<const char*, const char*> rows[] = {
        {"&lt;&gt;&quot;&tab;&nbsp;&NewLine;", "<>\"\t \n"},
        {"&#65;&#x41;&#X41;&#065;", "AAAA"},
        {"&#xE9;&#x20AC;&#xFFFF;", "\xC3\xA9\xE2\x82\xAC\xEF\xBF\xBF"},
        {"&apos;&LT;&a&amp;", "&apos;&LT;&a&"},
        {"a & b", "<failed>"},
        {"&amp", "<failed>"},
        {"&#12a;", "<failed>"},
        {"&#x10000;", "<failed>"},
    };
    for (const auto& [text, expected] : rows) EXPECT_EQ(Decoded(text), expected) << text;
}

}  // namespace
