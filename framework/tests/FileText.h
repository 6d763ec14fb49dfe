#pragma once
// Test support: the whole content of a file, empty when it cannot be read.
#include <fstream>
#include <sstream>
#include <string>

inline std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
