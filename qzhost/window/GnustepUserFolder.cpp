#include "qzhost/window/GnustepUserFolder.h"

#include <signal.h>
#include <sys/types.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

namespace
{

const char* const kDaemons[] = {"gdnc", "gpbs"};

std::string ReadProcFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/* Whether a process is one of GNUstep's daemons running with this
   configuration file. */
bool IsOurDaemon(const fs::path& process, const std::string& setting)
{
    std::string name = ReadProcFile(process / "comm");
    name.erase(name.find_last_not_of('\n') + 1);
    if (std::find(std::begin(kDaemons), std::end(kDaemons), name) == std::end(kDaemons))
        return false;
    const std::string environment = ReadProcFile(process / "environ");
    for (size_t at = 0; at < environment.size();) {
        const size_t end = environment.find('\0', at);
        const size_t length = (end == std::string::npos ? environment.size() : end) - at;
        if (environment.compare(at, length, setting) == 0)
            return true;
        at += length + 1;
    }
    return false;
}

} // namespace

GnustepUserFolder::~GnustepUserFolder()
{
    if (_folder.empty())
        return;
    StopDaemons();
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

void GnustepUserFolder::StopDaemons() const
{
    const std::string setting = "GNUSTEP_CONFIG_FILE=" + _folder + "/GNUstep.conf";
    std::error_code failure;
    for (fs::directory_iterator it("/proc", failure), end; !failure && it != end; it.increment(failure)) {
        const std::string pid = it->path().filename().string();
        if (pid.find_first_not_of("0123456789") != std::string::npos || !IsOurDaemon(it->path(), setting))
            continue;
        kill(static_cast<pid_t>(std::stol(pid)), SIGTERM);
    }
}
