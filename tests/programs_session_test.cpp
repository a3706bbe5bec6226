// Programs, files and the function list on the stand-in controller, through the exported functions.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/open_context.h"
#include "support/transfer_session.h"

using namespace KovaTest;

namespace {

class ProgramsSession : public TransferSession {};

struct Description {
    std::string name;
    std::vector<uint32_t> types;
};

void RecordDescription(void* user, const char* name, uint32_t nameLength, uint32_t, const char*, uint32_t, uint32_t,
                       uint32_t count, const uint32_t* types, const char* const*, const uint32_t*) {
    static_cast<std::vector<Description>*>(user)->push_back({{name, nameLength}, {types, types + count}});
}

void RecordName(void* user, const kova_file_info*, const char* name) {
    static_cast<std::vector<std::string>*>(user)->push_back(name);
}

TEST_F(ProgramsSession, TheFunctionListAgreesWithItsParameterQueries) {
    std::vector<std::string> names;
    std::vector<Description> descriptions;
    ASSERT_EQ(kova_GetBasicFunctionNames3(context, RecordText, &names), 0u);
    ASSERT_EQ(kova_GetBasicFunctionInfos3(context, RecordDescription, &descriptions), 0u);
    ASSERT_FALSE(names.empty());
    ASSERT_EQ(descriptions.size(), names.size());
    for (const Description& d : descriptions) {
        uint32_t count = 0;
        ASSERT_EQ(kova_GetBasicFunctionParamCount(context, d.name.c_str(), &count), 0u) << d.name;
        EXPECT_EQ(count, d.types.size()) << d.name;
        for (uint32_t i = 0; i < count; ++i) {
            uint32_t type = 0;
            EXPECT_EQ(kova_GetBasicFunctionParamType(context, d.name.c_str(), i, &type), 0u) << d.name;
            EXPECT_EQ(type, d.types[i]) << d.name << " " << i;
        }
    }
}

TEST_F(ProgramsSession, AnUploadedProgramIsListedWithTheCrcOfItsText) {
    const std::string text = "' E2E\r\nVR(1)=1\r\n";
    const std::string path = Write("e2e.bas", text);
    ASSERT_EQ(kova_UploadFile(context, path.c_str(), "E2E_CRC", 0, 0, nullptr, nullptr), 0u);
    std::vector<std::string> entries;
    ASSERT_EQ(kova_Dir(context, RecordName, &entries), 0u);
    EXPECT_NE(std::find(entries.begin(), entries.end(), "E2E_CRC"), entries.end());
    uint16_t remote = 0, local = 1;
    ASSERT_EQ(kova_GetRemoteFileCRC(context, "E2E_CRC", &remote), 0u);
    ASSERT_EQ(kova_GetLocalFileCRC(context, path.c_str(), false, &local), 0u);
    EXPECT_EQ(remote, local);
    EXPECT_EQ(kova_Delete(context, "E2E_CRC", 0), 0u);
}

}  // namespace
