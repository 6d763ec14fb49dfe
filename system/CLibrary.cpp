#include "CLibrary.h"

#include "win32/Module.h"

#include <cstring>

CLibrary::CLibrary(const char* path) { Load(path); }

CLibrary::CLibrary(const CLibrary& other) { Load(other.m_path); }

CLibrary& CLibrary::operator=(const CLibrary& other)
{
    if (this != &other) {
        Free();
        Load(other.m_path);
    }
    return *this;
}

CLibrary::~CLibrary() { Free(); }

void CLibrary::Free()
{
    if (m_module) FreeLibrary(m_module);
    m_module = nullptr;
}

void CLibrary::Load(const char* path)
{
    std::memset(m_path, 0, sizeof(m_path));
    if (path) std::strncpy(m_path, path, kMaxPath);
    m_tried = false;
}

bool CLibrary::LoadLibraryA()
{
    if (!m_module && !m_tried) {
        m_module = LoadLibrary(m_path);
        m_tried = true;
    }
    return m_module != nullptr;
}
