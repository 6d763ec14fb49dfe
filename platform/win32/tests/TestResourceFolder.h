#pragma once
// A fresh resource folder registered for a module while the object lives, removed afterwards.
#include "win32/gdi/Icon.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

class TestResourceFolder {
public:
    // restore: the folder the module gets back afterwards; none when null.
    explicit TestResourceFolder(HINSTANCE module, const char* restore = nullptr)
        : m_module(module), m_restore(restore ? restore : ""),
          m_path(std::filesystem::temp_directory_path() /
                 ("mv-res-" + std::to_string(::getpid()) + "-" + std::to_string(++sCount)))
    {
        std::filesystem::create_directories(m_path);
        m_set = MvSetResourceFolder(module, m_path.c_str()) != FALSE;
    }
    ~TestResourceFolder()
    {
        MvSetResourceFolder(m_module, m_restore.empty() ? nullptr : m_restore.c_str());
        std::filesystem::remove_all(m_path);
    }
    TestResourceFolder(const TestResourceFolder&) = delete;
    TestResourceFolder& operator=(const TestResourceFolder&) = delete;

    // Whether the module took the folder.
    bool IsSet() const { return m_set; }
    const std::filesystem::path& Path() const { return m_path; }
    void Write(const std::string& name, const std::vector<uint8_t>& bytes) const
    {
        std::ofstream(m_path / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

private:
    static inline int sCount = 0;
    HINSTANCE m_module;
    std::string m_restore;
    std::filesystem::path m_path;
    bool m_set = false;
};
