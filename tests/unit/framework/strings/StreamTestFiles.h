#ifndef TESTS_UNIT_STREAMS_STREAMTESTFILES_H
#define TESTS_UNIT_STREAMS_STREAMTESTFILES_H

#include <unistd.h>

#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline void WriteBytes(const std::string& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

/* While alive, the process acts without the super-user's right to write
   anywhere (when it has it), so that a read-only folder is read-only for the
   code under test too. Active() is false when the rights could not be
   dropped. */
class WithoutSuperUserRights
{
public:
    WithoutSuperUserRights() : dropped(geteuid() == 0), ok(true)
    {
        if (dropped)
            ok = seteuid(65534) == 0;
    }
    ~WithoutSuperUserRights()
    {
        if (dropped && ok && seteuid(0) != 0)
            std::abort();
    }
    bool Active() const { return ok; }

private:
    bool dropped;
    bool ok;
};

#endif
