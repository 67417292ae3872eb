#ifndef TESTS_SUPPORT_TEMPFOLDER_H
#define TESTS_SUPPORT_TEMPFOLDER_H

#include <stdlib.h>

#include <filesystem>
#include <string>

/* A fresh temporary folder of its own, removed with everything in it at the
   end. Tests run in parallel processes, so a name made from a clock or a
   seed can be shared by two of them; mkdtemp's cannot. */
class TempFolder
{
public:
    explicit TempFolder(const std::string& prefix = "qztest")
    {
        std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
        if (char* made = mkdtemp(pattern.data()))
            path = made;
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(const std::string& name) const { return path + "/" + name; }
    /* How many entries the folder holds. */
    size_t EntryCount() const
    {
        size_t count = 0;
        for (auto it = std::filesystem::directory_iterator(path); it != std::filesystem::directory_iterator(); ++it)
            ++count;
        return count;
    }

    std::string path;
};

#endif
