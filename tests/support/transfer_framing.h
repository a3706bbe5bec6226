// The bytes of the file transfer port as both ends write them, for tests that play one end by hand.
#pragma once

#include <string>

namespace KovaTest {

// The opening frame of a transfer: flag '0' plain, '1' compressed, '3' download; destination '0' RAM,
// '1' FIFO, '2' SD.
inline std::string TransferHeader(char flag, char destination, const std::string& name) {
    return std::string("\x01") + "00" + flag + destination + "\x1f" "1" "\x1f" + name + "\x02";
}

// Data with the framing bytes and the backslash escaped.
inline std::string EscapedData(const std::string& data) {
    std::string escaped;
    for (const char c : data) {
        switch (c) {
            case '\x01': escaped += "\\h"; break;
            case '\x02': escaped += "\\s"; break;
            case '\x03': escaped += "\\e"; break;
            case '\\': escaped += "\\\\"; break;
            default: escaped.push_back(c);
        }
    }
    return escaped;
}

}  // namespace KovaTest
