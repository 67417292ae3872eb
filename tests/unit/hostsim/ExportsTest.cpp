#include <gtest/gtest.h>

#include <dlfcn.h>

#include <string>

namespace
{

/* The library as drivers load it. */
class ExportsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { handle = dlopen(HOSTSIM_LIBRARY, RTLD_NOW | RTLD_LOCAL); }
    static void TearDownTestSuite()
    {
        if (handle)
            dlclose(handle);
    }
    static void* handle;
};

void* ExportsTest::handle = nullptr;

TEST_F(ExportsTest, PanelFunctionsAndTheDriverApiAreExported)
{
    ASSERT_NE(handle, nullptr) << dlerror();
    for (const char* name : {"FX_LoadEData",
                             "FX_SaveEData",
                             "FX_CreateEData",
                             "FX_DeleteEData",
                             "FX_NextEData",
                             "FX_PreviousEData",
                             "FX_GetCurrentEnigmaDocument",
                             "FX_GetCurrentPartID",
                             "FX_SetCurrentPartID",
                             "FX_GetCurERegions",
                             "FX_SlotToInst",
                             "FX_InstToSlot",
                             "FX_AutoNumberedName_UTF16",
                             "FX_StartFinaleEdit_UTF16",
                             "FX_StartFinaleEdit",
                             "FX_EndFinaleEdit",
                             "FX_CancelFinaleEdit",
                             "FX_ExecuteMenuItem",
                             "FX_RedrawMusic",
                             "FX_GetFinalePathMac",
                             "hostsim_reset",
                             "hostsim_new_document"})
        EXPECT_NE(dlsym(handle, name), nullptr) << name;
    auto* id = static_cast<const char*>(dlsym(handle, "QZCFBundleIdentifier"));
    ASSERT_NE(id, nullptr);
    EXPECT_STREQ(id, QZ_ENGINE_BUNDLE_ID);
}

TEST_F(ExportsTest, FunctionsNoFrameworkClassCallsStayAbsent)
{
    ASSERT_NE(handle, nullptr) << dlerror();
    for (const char* name :
         {"FX_NoteMover", "FX_DeleteMidiExpressions", "FX_SetTimer", "FX_NewEnigmaDocument", "FX_StartMassEdit"})
        EXPECT_EQ(dlsym(handle, name), nullptr) << name;
}

TEST_F(ExportsTest, NoInternalSymbolLeavesTheLibrary)
{
    ASSERT_NE(handle, nullptr) << dlerror();
    EXPECT_EQ(dlsym(handle, "_ZN7hostsim6Engine8instanceEv"), nullptr); // hostsim::Engine::instance()
}

} // namespace
