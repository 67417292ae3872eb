#ifndef QZHOST_WINDOW_GNUSTEPUSERFOLDER_H
#define QZHOST_WINDOW_GNUSTEPUSERFOLDER_H

/* GNUstep keeps per-user files (defaults, its user library) under the home
   folder unless its configuration file says otherwise. The window mode
   never writes there: unless the environment names a configuration file
   already ($GNUSTEP_CONFIG_FILE, as scripts/run-gnustep sets it), one is
   written into a new temporary folder that points every per-user folder
   inside it, and the folder goes when the object does, together with the
   GNUstep daemons (gdnc, gpbs) started with that configuration, which
   would serve nobody afterwards. Must be set up before the first GNUstep
   call. */

#include <string>

class GnustepUserFolder
{
public:
    GnustepUserFolder() = default;
    ~GnustepUserFolder();
    GnustepUserFolder(const GnustepUserFolder&) = delete;
    GnustepUserFolder& operator=(const GnustepUserFolder&) = delete;

    /* False, with the reason, when the folder or its file cannot be made. */
    bool SetUp(std::string& error);
    /* The temporary folder; "" when the environment's configuration is used. */
    const std::string& Folder() const { return _folder; }

private:
    void StopDaemons() const;
    std::string _folder;
};

#endif
