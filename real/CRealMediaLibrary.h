#pragma once
// The producer library's encoding-session module with its two entry points.
#include "CLibrary.h"
#include "rm/ProducerInterfaces.h"

class CRealMediaLibrary : public CLibrary {
public:
    CRealMediaLibrary() = default;
    // A copy loads its own module and looks up its own entry points.
    CRealMediaLibrary(const CRealMediaLibrary& other);
    CRealMediaLibrary& operator=(const CRealMediaLibrary& other);
    ~CRealMediaLibrary() override = default;

    // Loads the module once; true when it has "SetDLLAccessPath".
    bool LoadLibraryA() override;
    // Tells the module its plugins, codecs, tools and common folders below the folder.
    // Nothing is passed when the four paths do not fit the module's buffer.
    void SetDllLibrary(const char* folder);
    // The module's job class factory; the out value stays unchanged when there is none.
    void CreateClassFactory(IHXTClassFactory** factory);

    // The access-path run for a folder, as SetDllLibrary passes it; false when it does
    // not fit the size.
    static bool FormatAccessPaths(const char* folder, char* buffer, size_t size);
    static constexpr size_t kAccessPathSize = 2048;

private:
    FPSETDLLACCESSPATH m_setDllAccessPath = nullptr;
    FPCREATEJOBFACTORY m_createJobFactory = nullptr;
};
