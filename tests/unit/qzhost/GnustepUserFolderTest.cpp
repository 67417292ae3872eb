/* Where the window mode sends GNUstep's per-user files: a configuration
   named by the environment is left alone; otherwise a temporary folder of
   the run's own, named in the environment while it lasts, and removed. */

#include "qzhost/window/GnustepUserFolder.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace
{

/* Runs a test with these environment variables set (null: removed) and
   puts them back. */
class Environment
{
public:
    Environment(std::initializer_list<std::pair<const char*, const char*>> settings)
    {
        for (const auto& setting : settings) {
            const char* old = std::getenv(setting.first);
            _saved.push_back({setting.first, old ? old : "", old != nullptr});
            if (setting.second)
                setenv(setting.first, setting.second, 1);
            else
                unsetenv(setting.first);
        }
    }
    ~Environment()
    {
        for (const Saved& saved : _saved) {
            if (saved.had)
                setenv(saved.name.c_str(), saved.value.c_str(), 1);
            else
                unsetenv(saved.name.c_str());
        }
    }
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

private:
    struct Saved
    {
        std::string name;
        std::string value;
        bool had;
    };
    std::vector<Saved> _saved;
};

std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

TEST(GnustepUserFolder, AConfigurationNamedByTheEnvironmentIsLeftAlone)
{
    TempFolder temporary("qzgnustep");
    Environment environment({{"GNUSTEP_CONFIG_FILE", "/somewhere/GNUstep.conf"}, {"TMPDIR", temporary.path.c_str()}});
    {
        GnustepUserFolder folder;
        std::string error;
        ASSERT_TRUE(folder.SetUp(error)) << error;
        EXPECT_EQ(folder.Folder(), "");
        EXPECT_EQ(Variable("GNUSTEP_CONFIG_FILE"), "/somewhere/GNUstep.conf");
    }
    EXPECT_EQ(temporary.EntryCount(), 0u);
}

TEST(GnustepUserFolder, OtherwiseEveryPerUserFolderLiesInATemporaryFolderThatGoes)
{
    TempFolder temporary("qzgnustep");
    Environment environment(
        {{"GNUSTEP_CONFIG_FILE", nullptr}, {"GNUSTEP_USER_ROOT", nullptr}, {"TMPDIR", temporary.path.c_str()}});
    std::string made;
    {
        GnustepUserFolder folder;
        std::string error;
        ASSERT_TRUE(folder.SetUp(error)) << error;
        made = folder.Folder();
        ASSERT_FALSE(made.empty());
        EXPECT_EQ(fs::path(made).parent_path(), fs::path(temporary.path));
        EXPECT_EQ(Variable("GNUSTEP_CONFIG_FILE"), made + "/GNUstep.conf");
        EXPECT_EQ(Variable("GNUSTEP_USER_ROOT").rfind(made + "/", 0), 0u) << Variable("GNUSTEP_USER_ROOT");
        std::ifstream config(made + "/GNUstep.conf");
        std::string line;
        int settings = 0;
        while (std::getline(config, line)) {
            const size_t equals = line.find('=');
            ASSERT_NE(equals, std::string::npos) << line;
            EXPECT_EQ(line.compare(0, 13, "GNUSTEP_USER_"), 0) << line;
            EXPECT_EQ(line.rfind(made + "/", equals + 1), equals + 1) << "outside the folder: " << line;
            ++settings;
        }
        EXPECT_EQ(settings, 3) << "the user folder, the defaults folder and the user's configuration file";
    }
    EXPECT_FALSE(fs::exists(made));
    EXPECT_EQ(temporary.EntryCount(), 0u);
}

TEST(GnustepUserFolder, AFolderThatCannotBeMadeIsAReasonNotACrash)
{
    TempFolder temporary("qzgnustep");
    const std::string missing = temporary.File("not/there");
    Environment environment({{"GNUSTEP_CONFIG_FILE", nullptr}, {"TMPDIR", missing.c_str()}});
    GnustepUserFolder folder;
    std::string error;
    EXPECT_FALSE(folder.SetUp(error));
    EXPECT_NE(error.find("GNUstep"), std::string::npos) << error;
    EXPECT_EQ(Variable("GNUSTEP_CONFIG_FILE"), "");
}
