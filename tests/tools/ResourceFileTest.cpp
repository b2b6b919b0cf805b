#include "tools/ResourceFile.h"
#include "tools/ResourceError.h"
#include "tools/ResourceScript.h"

#include <gtest/gtest.h>

namespace {

using Entries = std::vector<ResourceFile::Entry>;

std::vector<std::string> Names(const Entries& entries) {
    std::vector<std::string> names;
    for (const auto& entry : entries)
        names.push_back(entry.name + "=" + entry.data);
    return names;
}

// What a reader makes of bytes: their entries, or the reason they are refused.
std::string ParseAttached(const std::string& executable) {
    try {
        std::string text;
        for (const auto& name : Names(ResourceFile::Parse(ResourceFile::Attached(executable))))
            text += name + ";";
        return text;
    } catch (const ResourceError& error) {
        return error.what();
    }
}

TEST(ResourceFile, AttachedResourcesReadBackOrAreRefusedWhenDamaged) {
    std::string resources = ResourceFile::Serialize(
        {{"PROJECT", "{}"}, {"media/1/cube.obj", std::string("v\0x", 3)}, {"empty", ""}});
    std::string linked = ResourceFile::Attach("\x7f"
                                              "ELF program",
                                              resources);
    std::string changed = linked;
    changed[20] ^= 1;
    std::string badCount =
        ResourceFile::Attach("program", resources.substr(0, 8) + "\x09" + resources.substr(9));

    const struct {
        std::string bytes, result;
    } cases[] = {
        {linked, "PROJECT={};media/1/cube.obj=" + std::string("v\0x", 3) + ";empty=;"},
        {"\x7f"
         "ELF program",
         "the program carries no resources"},
        {linked.substr(15), "the resources are cut short"},
        {changed, "the resources have been changed or damaged"},
        {ResourceFile::Attach("p", "CVRES002"), "they are not compiled resources"},
        {badCount, "the resources end in the middle of a name"},
        {ResourceFile::Attach("p", resources + "x"),
         "the resources are followed by bytes that belong to none of them"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseAttached(c.bytes), c.result);
}

TEST(ResourceScript, ReadsStatementsAndNamesTheLineOfABadOne) {
    auto statements = ResourceScript::Parse("// the viewer\r\n\nPROJECT CORVANEPROJECT \"temp "
                                            "file.qm$\"\r\nOTHER RCDATA data.bin\n",
                                            "Viewer.rc");
    ASSERT_EQ(statements.size(), 2u);
    EXPECT_EQ(statements[0].file, "temp file.qm$");
    EXPECT_EQ(statements[0].line, 3);
    EXPECT_EQ(statements[1].type, "RCDATA");

    for (const auto& [text, message] :
         {std::pair{"A B\n", "Viewer.rc(1): a statement is a name, a resource type and a file"},
          std::pair{"\nA B \"c", "Viewer.rc(2): a file name's double quote is not closed"}}) {
        try {
            ResourceScript::Parse(text, "Viewer.rc");
            ADD_FAILURE() << text;
        } catch (const ResourceError& error) {
            EXPECT_STREQ(error.what(), message);
        }
    }
}

} // namespace
