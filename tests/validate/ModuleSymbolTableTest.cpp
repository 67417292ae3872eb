#include "qzhost/validate/ModuleSymbolTable.h"

#include "support/ReadFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <elf.h>

#include <cstring>
#include <fstream>

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
    const std::string bytes = ReadFile(QZTEST_MODULE);
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

/* A symbol table said to reach past the end of the file is refused, not
   read as far as it goes. */
TEST(ModuleSymbolTable, RefusesASymbolTableThatLeavesTheFile)
{
    std::string bytes = ReadFile(QZTEST_MODULE);
    Elf64_Ehdr header{};
    ASSERT_GE(bytes.size(), sizeof header);
    std::memcpy(&header, bytes.data(), sizeof header);
    for (unsigned s = 0; s < header.e_shnum; ++s) {
        char* at = &bytes[header.e_shoff + s * sizeof(Elf64_Shdr)];
        Elf64_Shdr section{};
        std::memcpy(&section, at, sizeof section);
        if (section.sh_type != SHT_DYNSYM)
            continue;
        section.sh_size = bytes.size();
        std::memcpy(at, &section, sizeof section);
    }
    TempFolder folder;
    std::ofstream(folder.File("long table"), std::ios::binary) << bytes;
    ModuleSymbolTable table;
    std::string error;
    EXPECT_FALSE(table.Read(folder.File("long table"), error));
    EXPECT_EQ(error, "truncated symbol table");
}

} // namespace
