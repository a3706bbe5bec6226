// Replies handed to a reply callback come in pieces, as they would from a real transport.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "vireo_api.h"

namespace StandIn {

inline constexpr std::size_t kReplyChunk = 7;

inline void DeliverInChunks(std::string_view text, vireo_api_reply_callback callback, void* user) {
    if (!callback) return;
    for (std::size_t at = 0; at < text.size(); at += kReplyChunk)
        callback(user, text.data() + at, static_cast<uint32_t>(std::min(kReplyChunk, text.size() - at)));
}

}  // namespace StandIn
