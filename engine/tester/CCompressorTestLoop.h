#pragma once
// Runs the compressor test as a loop of the job mechanism, one compressor per item,
// with the compressor's name as the item text.
#include "CDxLoop2.h"
#include "afx/CString.h"

class CCompressorTestAdministrator2;

class CCompressorTestLoop : public CDxLoop2 {
public:
    CCompressorTestLoop() = default;

    bool Start() override;
    bool NextItem() override;
    bool ProcessItem() override;
    char* GetText() override;
    double GetProgress() override;

    void SetFullCheck(bool fullCheck) { m_fullCheck = fullCheck; }
    void SetPrompt(bool prompt) { m_prompt = prompt; }
    int GetIndex() const { return m_index; }

protected:
    CCompressorTestAdministrator2* Tester() const;

    bool m_fullCheck = false;
    bool m_prompt = true;
    int m_index = -1;
    CString m_name;
};

class CAudioCompressorTestLoop : public CCompressorTestLoop {
public:
    CDirectShowAdministrator2* CreateAdministratorSelf() override;
};

class CVideoCompressorTestLoop : public CCompressorTestLoop {
public:
    CDirectShowAdministrator2* CreateAdministratorSelf() override;
};
