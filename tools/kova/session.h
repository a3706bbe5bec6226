// One context with its connection open, shared by every command of one run of the tool.
#pragma once

#include "kova/tesselapi.h"

namespace KovaTool {

class Session {
public:
    // Creates the context and opens the connection; events go to standard error when verbose.
    explicit Session(bool verbose);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    kova_context Context() const { return context_; }

private:
    kova_context context_ = nullptr;
};

}  // namespace KovaTool
