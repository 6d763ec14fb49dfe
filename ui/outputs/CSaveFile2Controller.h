#pragma once
// Binds the file a job writes to its page: the path field, browse, play and explore
// buttons, automatic naming and the rule for an existing file.
#include "CObjectController2.h"

class CButton;
class CComboBox;
class CEntryField;
class CFilePrompter;
class COutputType2;
class CSaveFile2;

class CSaveFile2Controller : public CObjectController2 {
public:
    explicit CSaveFile2Controller(bool audio);
    ~CSaveFile2Controller() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;
    char* GetText() override;
    virtual void PromptFilePath();
    virtual void FillPrompter(CFilePrompter& prompter);

    // Chooses the save prompter's file filters; not listened to.
    void SetOutput(COutputType2* output) { m_output = output; }
    // Any may be null.
    void SetControls(CEntryField* path, CButton* explore, CButton* browse, CButton* play, CButton* autoName,
                     CComboBox* replace, CButton* overwrite, CButton* rename, CButton* ask);

    void ReflectFilePath();
    void EnterFilePath();
    void ReflectAutoRename();
    void EnterAutoRename();
    void ReflectFileReplace();
    void EnterFileReplace();
    void EnterFileReplaceOverwrite();
    void EnterFileReplaceRename();
    void EnterFileReplaceAsk();
    void OpenFile();
    void OpenFolder();

protected:
    CSaveFile2* GetSaveFile() const;
    void SetPathAndEnter(const char* path);
    void SetReplaceRule(long rule);

    bool m_audio;
    COutputType2* m_output = nullptr;
    CEntryField* m_path = nullptr;
    CButton* m_explore = nullptr;
    CButton* m_browse = nullptr;
    CButton* m_play = nullptr;
    CButton* m_autoName = nullptr;
    CComboBox* m_replace = nullptr;
    CButton* m_overwrite = nullptr;
    CButton* m_rename = nullptr;
    CButton* m_ask = nullptr;
};
