#pragma once
// The file parsers of the engine's file-type table: for each extension the alternatives
// tried in order, which the user reorders, removes and adds to, in place.
#include "CListener.h"
#include "CParserFileExtensionListControl.h"
#include "CParserFiltersListControl.h"
#include "afx/windows/CDialog.h"

class CSplitterInfo;

class CFileParserDialog : public CDialog, public CListener {
public:
    explicit CFileParserDialog(CWnd* parent);
    ~CFileParserDialog() override;

    // The table to edit; the engine's own when none is given.
    void SetSplitterInfo(CSplitterInfo* info) { m_info = info; }

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    bool ListenToMessage(long message, const void* p, const void* q) override;
    void UpdateSelection();

    void OnButtonMoveup();
    void OnButtonMovedown();
    void OnButtonRemove();
    void OnButtonAdd();

    enum : int { kExtensions = 7062, kAlternatives = 7063, kMoveUp = 7052, kMoveDown = 7053, kRemove = 11146,
                 kAdd = 11152 };
    static constexpr unsigned kTemplate = 7004;

protected:
    DECLARE_MESSAGE_MAP()

private:
    class CFileExtensionFilterData* SelectedExtension();
    class CFilterData* SelectedAlternative();
    void Move(int by);

    CSplitterInfo* m_info = nullptr;
    CParserFileExtensionListControl m_extensions;
    CParserFiltersListControl m_alternatives;
};
