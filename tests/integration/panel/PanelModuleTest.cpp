/* The built module as the host loads it: the engine first, then the module,
   its start-up, the version handshake and invoke. The panel is read through
   the module's own driver interface. */

#include <dlfcn.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "hostsim/hostsim_api.h"

namespace
{

template <class F>
F Symbol(void* module, const char* name)
{
    return reinterpret_cast<F>(dlsym(module, name));
}

struct Module
{
    void* handle = nullptr;
    int (*main)(int, char**) = nullptr;
    uint32_t (*version)(uint32_t) = nullptr;
    void* (*invoke)(void*) = nullptr;
    void (*terminate)() = nullptr;
    int (*findWindow)(int) = nullptr;
    int (*rowCount)(int, int) = nullptr;
    int (*cell)(int, int, int, int, char*, int) = nullptr;

    bool Load(const char* path)
    {
        handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return false;
        main = Symbol<decltype(main)>(handle, "main");
        version = Symbol<decltype(version)>(handle, "FinaleExtensionVersion");
        invoke = Symbol<decltype(invoke)>(handle, "FinaleExtensionInvoke");
        terminate = Symbol<decltype(terminate)>(handle, "FinaleExtensionTerminate");
        findWindow = Symbol<decltype(findWindow)>(handle, "qzui_find_window");
        rowCount = Symbol<decltype(rowCount)>(handle, "qzui_table_row_count");
        cell = Symbol<decltype(cell)>(handle, "qzui_table_cell_text");
        return main && version && invoke && terminate && findWindow && rowCount && cell;
    }

    std::vector<std::string> Rows(int window) const
    {
        std::vector<std::string> rows;
        for (int row = 0; row < rowCount(window, 101); ++row) {
            std::string text;
            for (int column = 0; column < 5; ++column) {
                char buffer[128] = {};
                cell(window, 101, row, column, buffer, sizeof buffer);
                text += (column ? " | " : "") + std::string(buffer);
            }
            rows.push_back(text);
        }
        return rows;
    }
};

} // namespace

TEST(PanelModule, TheModuleOpensThePanelOnTheDemoScoreAndSavesItsPosition)
{
    void* engine = dlopen(QZTEST_HOSTSIM_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(nullptr, engine) << dlerror();
#define HOSTSIM(name) auto name = Symbol<HOSTSIM_FN(name)>(engine, #name)
    HOSTSIM(hostsim_reset);
    HOSTSIM(hostsim_set_main_thread);
    HOSTSIM(hostsim_new_document);
    HOSTSIM(hostsim_set_folder);
    HOSTSIM(hostsim_set_strict);
    HOSTSIM(hostsim_violations_text);
    HOSTSIM(hostsim_violation_count);
#undef HOSTSIM
    hostsim_reset();
    hostsim_set_main_thread();
    ASSERT_GT(hostsim_new_document(HOSTSIM_SEED_DEMO), 0);
    std::string folder = (std::filesystem::temp_directory_path() / "qzmodule-XXXXXX").string();
    ASSERT_NE(nullptr, mkdtemp(folder.data()));
    hostsim_set_folder(16, folder.c_str());
    hostsim_set_strict(1);

    Module module;
    ASSERT_TRUE(module.Load(QZTEST_MODULE)) << dlerror();
    char name[] = "host";
    char* argv[] = {name, nullptr};
    ASSERT_EQ(1, module.main(1, argv));
    module.version(0x19000000u);
    EXPECT_EQ(nullptr, module.invoke(nullptr));
    const int window = module.findWindow(20128);
    ASSERT_NE(0, window);
    const std::vector<std::string> rows = module.Rows(window);
    std::vector<std::string> expected = {"- | All Staves | 14 |  | ", "1 | Woodwinds | 4 | Flute | Bassoon"};
    for (int n = 2; n <= 8; ++n)
        expected.push_back(std::to_string(n) + " | - | - | - | -");
    EXPECT_EQ(expected, rows);
    for (const std::string& row : rows)
        std::printf("%s\n", row.c_str());

    module.terminate();
    EXPECT_EQ(0, module.findWindow(20128));
    EXPECT_TRUE(std::filesystem::exists(folder + "/qzpluginprefs.txt"));
    EXPECT_EQ(0u, hostsim_violation_count(HOSTSIM_SEVERITY_WARNING)) << hostsim_violations_text(1);
    std::filesystem::remove_all(folder);
    hostsim_reset();
}
