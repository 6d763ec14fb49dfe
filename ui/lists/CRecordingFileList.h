#pragma once
// The recordings found in a recorder's folder: name, date and time of each.
#include "CObjectListControl.h"

class CRecordingFile;

class CRecordingFileList : public CObjectListControl {
public:
    // The caption of the name column, for the next time the headers are made.
    void SetNameHeader(const char* text) { m_nameHeader = text; }
    const CString& GetNameHeader() const { return m_nameHeader; }

    CPersistList* GetList(CPersistObject* object) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    void CreateListHeaders() override;
    UINT GetImageListResource(int& width, int& height) override;
    CString GetObjectText(CPersistObject* object, int column, bool full) override;
    int GetObjectImage(CPersistObject*) override { return 1; }

    // The recording of the single selected row; otherwise null.
    CRecordingFile* GetSelectedFile();

private:
    CString m_nameHeader;
};
