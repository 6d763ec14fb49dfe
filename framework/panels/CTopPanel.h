#pragma once
// A document panel: File New, Open, Save and Save As for one persistent object kept
// in a binary file.
#include "CPanel.h"

class CCmdUI;
class CPersistObject;

enum : long { kDataLoadedMessage = 1222321 };

class CTopPanel : public CPanel {
public:
    CTopPanel(unsigned id, CWnd* parent);

    // The document object; none in the base.
    virtual CPersistObject* GetObject() { return nullptr; }
    virtual void SaveData();
    virtual void LoadData();
    // Loads path, refreshes and broadcasts 1222321.
    virtual void LoadData(const char* path);

    CString& GetFilePath() { return m_filePath; }
    void SetFilter(const char* pattern, const char* description);

protected:
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnUpdateFileCommand(CCmdUI* ui);

    DECLARE_MESSAGE_MAP()

    CString m_filePath;
    CString m_filterDescription = "Test (*.tst)";
    CString m_filterPattern = "*.tst";
};
