// Fixtures for tests of what the module hands to the library: a context whose library is the
// recording double, unopened or opened with the opening's calls forgotten.
#pragma once

#include "support/open_context.h"
#include "support/recording_library.h"

namespace KovaTest {

class WithRecordingLibrary : public OpenContext {
protected:
    RecordingLibrary library;
};

class OpenWithRecordingLibrary : public WithRecordingLibrary {
protected:
    void SetUp() override {
        WithRecordingLibrary::SetUp();
        ASSERT_EQ(kova_OpenConnection(context), 0u);
        library.calls.clear();
    }
};

}  // namespace KovaTest
