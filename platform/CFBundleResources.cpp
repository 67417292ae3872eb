/* Localised strings of bundles: the string tables in a bundle's resource
   folder, read once per file and kept for the life of the process. */
#if defined(__SANITIZE_ADDRESS__)
#define QZ_LEAK_CHECKER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QZ_LEAK_CHECKER 1
#endif
#endif
#if QZ_LEAK_CHECKER
#include <sanitizer/lsan_interface.h>
#endif
#include "platform/CFObjects.h"
#include "platform/StringsTable.h"
#include "platform/qz_bundle_resources.h"

#include <link.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

namespace
{

using Table = std::map<std::string, std::string>;

struct State
{
    std::mutex mutex;
    std::map<CFBundleRef, std::string> folders;           /* set by the driver */
    std::map<std::string, std::unique_ptr<Table>> tables; /* by file; null: refused */
    QZCFSystemLogHandler logHandler = nullptr;
};

State& Get()
{
    /* Never destroyed: bundles may be asked for while statics are torn down.
       When the module that made it is unloaded it stays behind on purpose,
       which the leak checker is told. */
    static State* state = [] {
        State* made = new State;
#if QZ_LEAK_CHECKER
        __lsan_ignore_object(made);
#endif
        return made;
    }();
    return *state;
}

std::string ModuleFile(CFBundleRef bundle)
{
    const char* name = bundle->map ? bundle->map->l_name : nullptr;
    if (name && *name)
        return name;
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

std::string DefaultFolder(CFBundleRef bundle)
{
    const std::string file = ModuleFile(bundle);
    const size_t slash = file.rfind('/');
    if (slash == std::string::npos)
        return "Resources";
    return file.substr(0, slash) + "/Resources";
}

/* Caller holds the lock. */
std::string FolderOf(CFBundleRef bundle)
{
    const auto found = Get().folders.find(bundle);
    return found != Get().folders.end() ? found->second : DefaultFolder(bundle);
}

/* The user's language and its base ("de_DE.UTF-8" gives "de_DE" and "de"),
   then the development languages. */
std::vector<std::string> Languages()
{
    std::vector<std::string> languages;
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (!value || !*value)
            continue;
        std::string language(value);
        language = language.substr(0, language.find_first_of(":.@"));
        if (language.empty() || language == "C" || language == "POSIX")
            break;
        languages.push_back(language);
        const size_t underscore = language.find('_');
        if (underscore != std::string::npos)
            languages.push_back(language.substr(0, underscore));
        break;
    }
    for (const char* fallback : {"en", "English", "Base"})
        languages.push_back(fallback);
    return languages;
}

bool ReadFile(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream content;
    content << in.rdbuf();
    bytes = content.str();
    return !in.bad();
}

/* The table read from path (null when malformed); caller holds the lock.
   The refusal is logged once, when the file is first read. */
const Table* LoadTable(const std::string& path, const std::string& bytes)
{
    auto& tables = Get().tables;
    const auto cached = tables.find(path);
    if (cached != tables.end())
        return cached->second.get();
    auto table = std::make_unique<Table>();
    StringsTable::Error error;
    if (!StringsTable::Parse(bytes, *table, error)) {
        table.reset();
        const std::string line =
            "String table '" + path + "' refused: line " + std::to_string(error.line) + ": " + error.reason;
        QZCFSystemLog(line.c_str());
    }
    const Table* result = table.get();
    tables[path] = std::move(table);
    return result;
}

/* The first table file of the bundle for the table name; null when there
   is none or it is refused. Caller holds the lock. */
const Table* FindTable(CFBundleRef bundle, const std::string& tableName)
{
    const std::string folder = FolderOf(bundle);
    std::vector<std::string> candidates;
    for (const std::string& language : Languages())
        candidates.push_back(folder + "/" + language + ".lproj/" + tableName + ".strings");
    candidates.push_back(folder + "/" + tableName + ".strings");
    for (const std::string& path : candidates) {
        if (Get().tables.count(path))
            return Get().tables[path].get();
        std::string bytes;
        if (ReadFile(path, bytes))
            return LoadTable(path, bytes);
    }
    return nullptr;
}

} // namespace

extern "C" CFStringRef CFBundleCopyLocalizedString(CFBundleRef bundle, CFStringRef key, CFStringRef value,
                                                   CFStringRef tableName)
{
    const char* keyText = QZCFStringUTF8(key);
    const char* valueText = QZCFStringUTF8(value);
    const char* fallback = valueText && *valueText ? valueText : keyText;
    if (!keyText)
        return fallback ? QZCFStringCreateUTF8(fallback) : nullptr;
    if (QZCFMagicOf(bundle) == kQZCFBundleMagic) {
        const char* table = QZCFStringUTF8(tableName);
        std::lock_guard<std::mutex> lock(Get().mutex);
        if (const Table* entries = FindTable(bundle, table && *table ? table : "Localizable")) {
            const auto found = entries->find(keyText);
            if (found != entries->end())
                return QZCFStringCreateUTF8(found->second.c_str());
        }
    }
    return QZCFStringCreateUTF8(fallback);
}

extern "C" void QZCFBundleSetResourceFolder(CFBundleRef bundle, const char* folder)
{
    if (QZCFMagicOf(bundle) != kQZCFBundleMagic)
        return;
    std::lock_guard<std::mutex> lock(Get().mutex);
    if (folder && *folder)
        Get().folders[bundle] = folder;
    else
        Get().folders.erase(bundle);
    Get().tables.clear();
}

extern "C" Boolean QZCFBundleGetResourceFolder(CFBundleRef bundle, char* buffer, CFIndex size)
{
    if (QZCFMagicOf(bundle) != kQZCFBundleMagic || !buffer || size <= 0)
        return false;
    std::lock_guard<std::mutex> lock(Get().mutex);
    const std::string folder = FolderOf(bundle);
    if (folder.size() >= static_cast<size_t>(size))
        return false;
    std::memcpy(buffer, folder.c_str(), folder.size() + 1);
    return true;
}

extern "C" void QZCFSetSystemLogHandler(QZCFSystemLogHandler handler) { Get().logHandler = handler; }

extern "C" void QZCFSystemLog(const char* line)
{
    if (!line)
        return;
    if (Get().logHandler)
        Get().logHandler(line);
    else
        std::fprintf(stderr, "%s\n", line);
}
