#ifndef QZTEST_READFILE_H
#define QZTEST_READFILE_H

#include <fstream>
#include <sstream>
#include <string>

/* The whole file as bytes; "" when it cannot be read. */
inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    if (in)
        bytes << in.rdbuf();
    return bytes.str();
}

#endif
