/* prefs FOLDER */

#include "qzhost/session/CommandSupport.h"

#include <filesystem>

namespace
{

Outcome RunPrefs(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "prefs FOLDER");
    std::string folder;
    if (!check.Count(1) || !check.Text(0, folder))
        return check.Error();
    folder = session.ResolvePath(folder);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder))
        return Outcome::Error("cannot use '" + folder + "' as the preferences folder");
    session.Host().hostsim_set_folder(qz::kPreferencesFolder, folder.c_str());
    return Outcome::Done();
}

} // namespace

QZHOST_SESSION_COMMAND(prefs, "prefs", "prefs FOLDER", "sets the preferences folder (made when missing)", RunPrefs);
