#include "CLibrary.h"
#include "PathField.h"

#include "win32/kernel/Module.h"

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
    SetPathField(m_path, path);
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
