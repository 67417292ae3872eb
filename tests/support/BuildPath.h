#ifndef QZTEST_BUILD_PATH_H
#define QZTEST_BUILD_PATH_H

/* A file or folder of this build (or of the source tree) that a test program
   needs, named relative to the build folder and found at run time: the build
   folder is the nearest folder above the test program that holds
   CMakeCache.txt. No absolute path is compiled in, so the same object serves
   every clone of the repository (the compiler cache shares it). The names
   come from qz_test_paths (cmake/QzTesting.cmake). */

#include <deque>
#include <filesystem>
#include <mutex>
#include <string>
#include <system_error>

namespace qztest
{

inline std::filesystem::path BuildFolder()
{
    static const std::filesystem::path folder = [] {
        std::error_code error;
        std::filesystem::path dir = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
        while (!dir.empty() && !std::filesystem::exists(dir / "CMakeCache.txt", error))
            dir = dir == dir.root_path() ? std::filesystem::path() : dir.parent_path();
        return dir;
    }();
    return folder;
}

/* The path, as long-lived as the program: the names stand where string
   literals stood. */
inline const char* BuildPath(const char* relative)
{
    static std::mutex guard;
    static std::deque<std::string> paths;
    const std::lock_guard<std::mutex> lock(guard);
    paths.push_back((BuildFolder() / relative).lexically_normal().string());
    return paths.back().c_str();
}

} // namespace qztest

#endif
