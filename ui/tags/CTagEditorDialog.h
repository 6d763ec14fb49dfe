#pragma once
// "Tag Editor": the tags of a media file, edited on a copy; the caller takes them back on OK.
#include "CMediaTags.h"
#include "CTagListControl.h"
#include "afx/windows/CDialog.h"

class CTagEditorDialog : public CDialog {
public:
    explicit CTagEditorDialog(CWnd* parent);
    ~CTagEditorDialog() override;

    void SetTags(CMediaTags& tags);
    CMediaTags& GetTags() { return m_tags; }
    CTagListControl& GetList() { return m_list; }

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    void OnNew();
    void OnEdit();
    void OnRemove();

    enum : int { kList = 7153, kNew = 11152, kEdit = 7155, kRemove = 7156 };
    static constexpr unsigned kTemplate = 7146;

protected:
    DECLARE_MESSAGE_MAP()

private:
    CMediaTags m_tags;
    CTagListControl m_list;
};
