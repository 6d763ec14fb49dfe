#pragma once
// Declares how files of one extension are read: the extension, the file reader and up to
// two splitters, each by name and class id.
#include "CEntryField.h"
#include "CFileExtensionChain.h"
#include "CListener.h"
#include "afx/windows/CDialog.h"

class CFileExtensionChainDialog : public CDialog, public CListener {
public:
    explicit CFileExtensionChainDialog(CWnd* parent);
    ~CFileExtensionChainDialog() override;

    CFileExtensionChain& GetChain() { return m_chain; }

    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;
    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;

    enum : int {
        kExtension = 7057,
        kSourceName = 7061,
        kSourceId = 7058,
        kSplitter1Name = 7063,
        kSplitter1Id = 7062,
        kSplitter2Name = 7065,
        kSplitter2Id = 7064,
    };
    static constexpr unsigned kTemplate = 7005;

private:
    // One property of the chain and the field that edits it.
    struct Binding {
        CEntryField* field;
        LONG notice;
        int id;
    };
    void Reflect(int id);
    void Enter(int id);

    CFileExtensionChain m_chain;
    CEntryField m_fields[7];
};
