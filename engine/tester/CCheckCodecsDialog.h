#pragma once
// Shows the compressors about to be tested, each with a check box, so the user may leave
// unstable ones out.
#include "CCodecListControl.h"
#include "CPersistList.h"
#include "afx/windows/CDialog.h"

class CCodecInfo;

class CCheckCodecsDialog : public CDialog {
public:
    enum { IDD = 6000 };
    static constexpr UINT kListId = 6001;
    static constexpr UINT kMessageId = 6002;

    explicit CCheckCodecsDialog(CWnd* parent = nullptr);
    ~CCheckCodecsDialog() override;

    void SetTitle(const char* title) { m_title = title ? title : ""; }
    void SetMessage(const char* message) { m_message = message ? message : ""; }
    // The entries stay the catalogue's.
    void AddCodec(CCodecInfo* codec);
    CCodecListControl& GetListControl() { return m_list; }
    static void RegisterTemplate();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

private:
    CCodecListControl m_list;
    CPersistList m_codecs{false};
    CString m_title;
    CString m_message;
};
