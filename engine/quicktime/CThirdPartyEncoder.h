#pragma once
// An encoder of another party that writes one file, named by its path.
#include <cstddef>

class CThirdPartyEncoder {
public:
    static constexpr size_t kPathSize = 1024;

    CThirdPartyEncoder();
    CThirdPartyEncoder(const CThirdPartyEncoder&) = delete;
    CThirdPartyEncoder& operator=(const CThirdPartyEncoder&) = delete;
    virtual ~CThirdPartyEncoder();

    // A longer path is cut to the buffer.
    virtual void SetFilePath(const char* path);
    // The buffer holds kPathSize bytes.
    virtual void GetFilePath(char* path);
    virtual bool Open() = 0;
    virtual void Close() = 0;

protected:
    char m_filePath[kPathSize];
};
