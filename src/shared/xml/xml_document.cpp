#include "shared/xml/xml_document.h"

#include <cstdio>

#include "shared/transfer/local_file.h"
#include "shared/xml/xml_parser.h"

namespace Kova::TesselApi::Shared {

bool XmlDocument::Fail(std::string_view error) {
    error_ = error;
    return false;
}

void XmlDocument::Reset() {
    error_ = {};
    root_ = XmlNode();
    attributes_.Clear();
    text_ = {};
}

bool XmlDocument::LoadFile(const std::string& path) {
    Reset();
    LocalFile file(OpenLocalFile(path, "rb"));
    if (!file) return Fail("Failed to open the file");
    // The size is a hint (one byte over, so that a file of that size ends in one read); a file that
    // grows while it is read is still read to its end.
    text_.resize(static_cast<std::size_t>(LocalFileSize(path)) + 1);
    std::size_t length = std::fread(text_.data(), 1, text_.size(), file.get());
    while (length == text_.size() && !std::feof(file.get()) && !std::ferror(file.get())) {
        text_.resize(text_.size() + (text_.size() / 2) + 4096);
        length += std::fread(text_.data() + length, 1, text_.size() - length, file.get());
    }
    if (std::ferror(file.get())) return Fail("Failed to read the file");
    text_.resize(length);
    return ParseText();
}

bool XmlDocument::Parse(std::string_view text) {
    Reset();
    text_.assign(text.begin(), text.end());
    return ParseText();
}

bool XmlDocument::ParseText() {
    XmlParser parser(text_.data(), text_.size(), attributes_);
    const bool parsed = parser.Parse(root_);
    error_ = parser.Error();
    return parsed;
}

}  // namespace Kova::TesselApi::Shared
