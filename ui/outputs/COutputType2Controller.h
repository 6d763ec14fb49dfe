#pragma once
// Chooses the output type of an output record from the types the application offers; a
// type whose components are missing is explained and the list returns to the current one.
#include "CObjectController2.h"
#include "EMediaOutput.h"
#include "afx/CString.h"

class CComboBox;
class CFormatType;
class COutputType2;

class COutputType2Controller : public CObjectController2 {
public:
    COutputType2Controller();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;
    char* GetText() override;

    virtual bool WantsVideo() { return true; }
    virtual bool WantsAudio() { return true; }
    virtual void PopulateSplitterTypeCombo();
    virtual bool ShowFormat(CFormatType* row);
    virtual bool AliasSupported(ESplitterType, const char*) { return false; }
    virtual void ReflectSplitterType();

    void SetControls(CComboBox* typeList);
    CString GetSplitterTypeName(ESplitterType type);
    ESplitterType GetSplitterType(const char* name);
    void EnterSplitterType();
    // Tells the user what to install for a type that cannot be written here; a type
    // without such advice (an empty text) shows nothing.
    void PromptErrorMessage(ESplitterType type);
    static CString GetInstallText(ESplitterType type);

    COutputType2* GetOutputType() const;
    CFormatType* GetFormat() const;

protected:
    CComboBox* m_typeList = nullptr;
};
