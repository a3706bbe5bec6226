// A connected context with a scratch folder of its own for each test: files go up from it and come
// back into it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "kova/tesselapi.h"
#include "support/open_context.h"
#include "support/scratch_directory.h"

namespace KovaTest {

class TransferSession : public OpenContext, protected ScratchDirectory {
protected:
    void SetUp() override {
        OpenContext::SetUp();
        ASSERT_EQ(kova_OpenConnection(context), 0u);
    }
    void TearDown() override {
        EXPECT_EQ(kova_CloseConnection(context), 0u);
        OpenContext::TearDown();
    }

    bool Logged(const std::string& prefix) const {
        for (const Event& e : events)
            if (e.text.rfind(prefix, 0) == 0) return true;
        return false;
    }
};

}  // namespace KovaTest
