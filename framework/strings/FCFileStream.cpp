#include "strings/FCFileStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/FinaleVersion.h"
#include "common/qz_host_versions.h"

namespace
{

/* The longest folder path a host folder reference is converted to. */
constexpr int kMaxFolderPathBytes = 3000;

/* The mode a new file gets from fopen: 0666 less the process's umask. */
mode_t NewFileMode()
{
    mode_t mask = umask(0);
    umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

/* The mode to give a file that replaces path: the old file's permissions, or
   those of a new file. */
mode_t ReplacementMode(const char* path)
{
    struct stat info;
    if (stat(path, &info) == 0)
        return static_cast<mode_t>(info.st_mode & 07777);
    return NewFileMode();
}

} // namespace

FCFileStream::FCFileStream(FinPathSpec25* pFolder, FCString* pFileName) : _folder(pFolder), _pFile(nullptr)
{
    if (pFileName)
        _filename.SetString(pFileName);
}

FCFileStream::FCFileStream(const char* pFolderPath, FCString* pFileName) : _pFile(nullptr)
{
    if (pFolderPath)
        _folderpath.SetUTF8String(pFolderPath);
    if (pFileName)
        _filename.SetString(pFileName);
}

FCFileStream::~FCFileStream() { Close(); }

const char* FCFileStream::ClassName() const { return "FCFileStream"; }

bool FCFileStream::_MakeFullPath(FCString* pPath)
{
    if (!pPath)
        return false;
    pPath->Clear();
    if (!_folderpath.IsEmpty())
        pPath->SetString(&_folderpath);
    else {
        if (GetFinaleFrameworkVersion() < qz::kHostVersion19)
            return false;
        char buffer[kMaxFolderPathBytes];
        if (!_folder.GetFileSystemPath(buffer, kMaxFolderPathBytes))
            return false;
        pPath->SetUTF8String(buffer);
    }
    if (!pPath->EndsWith("/"))
        pPath->AppendCString("/");
    pPath->AppendString(&_filename);
    return true;
}

bool FCFileStream::OpenFile(const char* pMode)
{
    if (!pMode)
        return false;
    Close();
    FCString path;
    if (!_MakeFullPath(&path))
        return false;
    _pFile = std::fopen(path.GetUTF8String(), pMode);
    return _pFile != nullptr;
}

bool FCFileStream::Close()
{
    if (!_pFile)
        return false;
    if (!_replacetemp.IsEmpty())
        _AbandonReplace();
    else {
        std::fclose(_pFile);
        _pFile = nullptr;
    }
    return true;
}

bool FCFileStream::OpenReplace()
{
    Close();
    FCString target;
    if (!_MakeFullPath(&target))
        return false;
    std::string pattern = std::string(target.GetUTF8String()) + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = mkstemp(name.data());
    if (fd < 0)
        return false;
    fchmod(fd, ReplacementMode(target.GetUTF8String()));
    _pFile = fdopen(fd, "w+");
    if (!_pFile) {
        close(fd);
        unlink(name.data());
        return false;
    }
    _replacetarget.SetString(&target);
    _replacetemp.SetUTF8String(name.data());
    return true;
}

bool FCFileStream::CommitReplace()
{
    if (!_pFile || _replacetemp.IsEmpty())
        return false;
    bool written = std::fflush(_pFile) == 0 && !std::ferror(_pFile) && fsync(fileno(_pFile)) == 0;
    bool closed = std::fclose(_pFile) == 0;
    _pFile = nullptr;
    std::string temp = _replacetemp.GetUTF8String();
    std::string target = _replacetarget.GetUTF8String();
    _replacetemp.Clear();
    _replacetarget.Clear();
    if (written && closed && std::rename(temp.c_str(), target.c_str()) == 0)
        return true;
    unlink(temp.c_str());
    return false;
}

void FCFileStream::_AbandonReplace()
{
    std::fclose(_pFile);
    _pFile = nullptr;
    unlink(_replacetemp.GetUTF8String());
    _replacetemp.Clear();
    _replacetarget.Clear();
}
