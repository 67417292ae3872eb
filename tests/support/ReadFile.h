#ifndef QZTEST_READFILE_H
#define QZTEST_READFILE_H

#include <fstream>
#include <iterator>
#include <string>

/* The whole file as bytes; "" when it cannot be read. */
inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

#endif
