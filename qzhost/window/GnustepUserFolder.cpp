#include "qzhost/window/GnustepUserFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

GnustepUserFolder::~GnustepUserFolder()
{
    if (_folder.empty())
        return;
    std::error_code ignored;
    fs::remove_all(_folder, ignored);
}

bool GnustepUserFolder::SetUp(std::string& error)
{
    const char* configured = std::getenv("GNUSTEP_CONFIG_FILE");
    if (configured && *configured)
        return true;
    std::error_code failure;
    std::string pattern = (fs::temp_directory_path(failure) / "qzhost-gnustep-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back(0);
    if (failure || !mkdtemp(buffer.data())) {
        error = "cannot make a temporary folder for GNUstep's defaults";
        return false;
    }
    _folder = buffer.data();
    const std::string config = _folder + "/GNUstep.conf";
    std::ofstream file(config, std::ios::binary);
    file << "GNUSTEP_USER_DIR=" << _folder << "/Library\n"
         << "GNUSTEP_USER_DEFAULTS_DIR=" << _folder << "/Defaults\n"
         << "GNUSTEP_USER_CONFIG_FILE=" << _folder << "/GNUstep-user.conf\n";
    file.close();
    if (!file) {
        error = "cannot write GNUstep's configuration in " + _folder;
        return false;
    }
    setenv("GNUSTEP_CONFIG_FILE", config.c_str(), 1);
    setenv("GNUSTEP_USER_ROOT", (_folder + "/Library").c_str(), 1);
    return true;
}
