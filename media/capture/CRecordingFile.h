#pragma once
// A recording taken apart from its file name: the base name, the time stamp and the path.
// Names have the form "<base> YYYY_MM_DD HH_MM_SS.<ext>".
#include "CNamedObject.h"
#include "CPersistDateTime.h"
#include "CPersistFile2.h"

class CRecordingFile : public CNamedObject {
    MV_DECLARE_PERSIST_CLASS(CRecordingFile)
public:
    CRecordingFile() = default;
    CRecordingFile(const CRecordingFile& other) = default;
    CRecordingFile& operator=(const CRecordingFile& other);
    ~CRecordingFile() override = default;

    void Parse(const char* path);
    // The number of count digits at start, or 0 (and the file marked invalid) when they are
    // missing, not all digits or outside minimum..maximum.
    int ParseNumber(const char* text, int start, int count, int minimum, int maximum);

    CPersistDateTime& GetDateTime() { return m_dateTime; }
    CPersistFile2& GetFile() { return m_file; }
    bool ValidFormat() const { return m_valid; }

    static constexpr const char* kStampPattern = "YYYY_MM_DD HH_MM_SS";

private:
    bool m_valid = false;
    CPersistDateTime m_dateTime;
    CPersistFile2 m_file;
};
