#pragma once
// Adds a decoder to a decoder list: its name, its class id and whether it is a DirectShow
// filter or a DirectX Media Object.
#include "CDecoderItem.h"
#include "CEntryField.h"
#include "CListener.h"
#include "afx/controls/CButton.h"
#include "afx/windows/CDialog.h"

class CDecoderItemDialog : public CDialog, public CListener {
public:
    CDecoderItemDialog(bool audio, CWnd* parent);
    ~CDecoderItemDialog() override;

    CDecoderItem& GetItem() { return m_item; }

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;

    void ReflectName();
    void ReflectId();
    void ReflectDmo();

    enum : int { kName = 7055, kId = 7056, kFilter = 7058, kDmo = 7059 };
    static constexpr unsigned kTemplate = 7009;

protected:
    void OnFilter();
    void OnDmo();
    DECLARE_MESSAGE_MAP()

private:
    void EnterDmo(bool dmo);

    bool m_audio;
    CDecoderItem m_item;
    CEntryField m_name;
    CEntryField m_id;
    CButton m_filter;
    CButton m_dmo;
};
