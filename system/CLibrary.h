#pragma once
// A shared library by path, loaded on demand. A load that failed is not tried again
// until Load names the library anew.
#include "win32/WinTypes.h"

class CLibrary {
public:
    static constexpr int kMaxPath = 259;

    CLibrary() = default;
    explicit CLibrary(const char* path);
    // A copy names the same library and loads its own.
    CLibrary(const CLibrary& other);
    CLibrary& operator=(const CLibrary& other);
    virtual ~CLibrary();

    // Loads the library unless loaded or already tried; whether it is loaded.
    virtual bool LoadLibraryA();

    // Stores the path; loads nothing.
    void Load(const char* path);
    HMODULE GetModule() const { return m_module; }
    const char* GetPath() const { return m_path; }

private:
    void Free();

    char m_path[kMaxPath + 1] = {};
    HMODULE m_module = nullptr;
    bool m_tried = false;
};
