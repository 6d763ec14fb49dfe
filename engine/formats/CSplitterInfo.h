#pragma once
// The splitter information: what the engine knows of input files, read from
// "File Types.xml" and completed with the built-in defaults.
#include "CFileFilterData.h"
#include "afx/CString.h"

class CFileExtensionData;
class CFileExtensionFilterData;
class CFileTypeData;
class CFilterData;

class CSplitterInfo : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CSplitterInfo)
public:
    // Reads the file, then adds every default the file lacks.
    CSplitterInfo();
    CSplitterInfo(const CSplitterInfo& other);
    CSplitterInfo& operator=(const CSplitterInfo& other);
    // Writes the file it read.
    ~CSplitterInfo() override;

    bool LoadXml();
    bool SaveXml();
    CFileFilterData& GetFilterData() { return m_data; }

    void AddDefaultFileSources();
    void AddDefaultFileTypes();
    void AddDefaultFileExtensions();

    static void AddSplitter(CFilterData* filter, const char* name, const GUID& id);
    static void AddExtension(CFileTypeData* fileType, const char* extension);
    static void AddExtensionFilter(CFileExtensionFilterData* entry, const char* name, const GUID& id);
    // A chain for the extension: the reader as a head, the splitter behind it when its id
    // is set, and the additional splitter behind that when its id is set too.
    void AddExtension(const char* extension, const char* readerName, const GUID& readerId, const char* splitterName,
                      const GUID& splitterId, const char* splitter2Name, const GUID& splitter2Id);

    static constexpr LONG kType = FourCharCode("spli");
    static const char* const kFileName;
    static const char* const kFileInfoName;

private:
    CFileFilterData m_data;
    // The file it was read from, which it is saved to.
    CString m_path;
};
