#pragma once
// The catalogue of output container types the engine can write. The first table
// constructed is the process-wide one.
#include "CFormatType.h"
#include "CPointerList.h"

class CFilePrompter;

class CFormatTypes {
public:
    CFormatTypes();
    CFormatTypes(const CFormatTypes&) = delete;
    CFormatTypes& operator=(const CFormatTypes&) = delete;
    virtual ~CFormatTypes();

    CFormatType* AddFileType(ESplitterType type, const char* name, const char* audioName, LONG interfaceMask);
    // An alias row of an existing type; null when the aliased type has no row.
    CFormatType* AddFileType(ESplitterType type, ESplitterType aliased, const char* name, const char* audioName);
    CFormatType* CopyFileType(const CFormatType& row);

    int GetFileTypeCount() const { return m_rows.GetItemCount(); }
    CFormatType* GetFileType(int index) const;
    CFormatType* FindFileType(ESplitterType type) const;
    // The first offered row whose name or audio type name is the text (case-sensitive).
    CFormatType* FindFileType(const char* name) const;
    ESplitterType GetFileTypeFromName(const char* name) const;

    DWORD FindQuickTimeTypeFromSplitterType(ESplitterType type) const;
    ESplitterType FindSplitterTypeFromQuickTimeType(DWORD code) const;

    CString GetFileTypeName(ESplitterType type, bool audio) const;
    CString GetFileExtension(ESplitterType type, bool audio, bool second) const;
    bool UseInterface(ESplitterType type, LONG interfaceType) const;

    static void ReplaceMuxId(ESplitterType type, const GUID& id);
    // Whether the running application offers the type.
    static bool SupportedByApp(ESplitterType type);
    static bool FillFileSavePrompter(CFilePrompter& prompter, bool audio, ESplitterType type, bool second);

    static CFormatTypes* sFormatTypes;

private:
    void AddBuiltInTypes();
    static void AddDvTvOptions(CFormatType* row, bool only48k);
    CFormatType* Append(CFormatType* row);

    CPointerList m_rows;
};
