#pragma once
// Reorders, removes and adds the decoders of one decoder list, in place.
#include "CDecoderInfoListControl.h"
#include "afx/windows/CDialog.h"

class CDecoderInfo;

class CDecoderInfoDialog : public CDialog {
public:
    explicit CDecoderInfoDialog(CWnd* parent);
    ~CDecoderInfoDialog() override;

    void SetDecoders(CDecoderInfo* decoders, bool audio);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    void OnButtonMoveup();
    void OnButtonMovedown();
    void OnButtonRemove();
    void OnButtonAdd();

    enum : int { kList = 7051, kMoveUp = 7052, kMoveDown = 7053, kRemove = 11146, kAdd = 11152 };
    static constexpr unsigned kTemplate = 7010;

protected:
    DECLARE_MESSAGE_MAP()

private:
    // The selected row's index, or -1.
    int SelectedIndex();
    void Move(int by);

    CDecoderInfo* m_decoders = nullptr;
    bool m_audio = false;
    CDecoderInfoListControl m_list;
};
