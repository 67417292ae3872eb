#include "qzhost/validate/ModuleSymbolTable.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace
{

TEST(ModuleSymbolTable, ListsTheModulesExportsAndImports)
{
    ModuleSymbolTable table;
    std::string error;
    ASSERT_TRUE(table.Read(QZTEST_MODULE, error)) << error;
    const ModuleSymbol* version = table.Find("FinaleExtensionVersion");
    ASSERT_NE(version, nullptr);
    EXPECT_TRUE(version->function);
    EXPECT_NE(table.Find("gFinaleBundle"), nullptr);
    EXPECT_FALSE(table.Find("gFinaleBundle")->function);
    /* Imported from the C library: listed, but not as a definition. */
    bool importsMalloc = false;
    for (const ModuleSymbol& symbol : table.Symbols())
        importsMalloc = importsMalloc || (symbol.name == "malloc" && !symbol.defined);
    EXPECT_TRUE(importsMalloc);
    EXPECT_EQ(table.Find("malloc"), nullptr);
    /* What the version script keeps local is not there. */
    EXPECT_EQ(table.Find("PluginMain"), nullptr);
}

TEST(ModuleSymbolTable, RefusesFilesThatAreNoSharedObjects)
{
    TempFolder folder;
    std::ifstream module(QZTEST_MODULE, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(module)), std::istreambuf_iterator<char>());
    const struct
    {
        const char* name;
        std::string bytes;
    } files[] = {
        {"empty", ""},
        {"text", "hello\n"},
        {"header only", bytes.substr(0, 64)},
        {"cut in the middle", bytes.substr(0, bytes.size() / 3)},
    };
    for (const auto& file : files) {
        std::ofstream(folder.File(file.name), std::ios::binary) << file.bytes;
        ModuleSymbolTable table;
        std::string error;
        EXPECT_FALSE(table.Read(folder.File(file.name), error)) << file.name;
        EXPECT_NE(error, "") << file.name;
    }
    ModuleSymbolTable table;
    std::string error;
    EXPECT_FALSE(table.Read(folder.File("absent"), error));
}

} // namespace
