#include "CCompressorTestLoop.h"

#include "CAudioCompressorTestAdministrator2.h"
#include "CCodecInfo.h"
#include "CVideoCompressorTestAdministrator2.h"
#include "UStringBuffer.h"

CCompressorTestAdministrator2* CCompressorTestLoop::Tester() const
{
    return static_cast<CCompressorTestAdministrator2*>(m_administrator);
}

// Nothing to test, or a prompt called off, ends the loop before it starts.
bool CCompressorTestLoop::Start()
{
    if (m_administrator && m_administrator->IsPaused()) return CDxLoop2::Start();
    if (!m_administrator) {
        m_administrator = CreateAdministrator();
        if (!m_administrator) return false;
        m_administrator->AddListener(this);
    }
    Tester()->SetPrompt(m_prompt);
    m_index = -1;
    if (!Tester()->LoadAndPrompt()) return false;
    return CDxLoop2::Start();
}

bool CCompressorTestLoop::NextItem()
{
    CCompressorTestAdministrator2* tester = Tester();
    if (tester && ++m_index < tester->GetCodecCount()) {
        m_name = tester->GetCodec(m_index)->GetDisplayName();
        return true;
    }
    m_index = -1;
    m_name.Empty();
    return false;
}

bool CCompressorTestLoop::ProcessItem()
{
    CCompressorTestAdministrator2* tester = Tester();
    SCodecTestResult result;
    if (!tester || !tester->TestCodec(m_index, result)) return false;
    result.Apply();
    tester->NotifyCatalogue();
    tester->FinishTest();
    return true;
}

char* CCompressorTestLoop::GetText()
{
    return UStringBuffer::Text(m_name);
}

double CCompressorTestLoop::GetProgress()
{
    CCompressorTestAdministrator2* tester = Tester();
    const int count = tester ? tester->GetCodecCount() : 0;
    return count > 0 && m_index >= 0 ? double(m_index) / count : 0;
}

CDirectShowAdministrator2* CAudioCompressorTestLoop::CreateAdministratorSelf()
{
    return new CAudioCompressorTestAdministrator2(m_fullCheck);
}

CDirectShowAdministrator2* CVideoCompressorTestLoop::CreateAdministratorSelf()
{
    return new CVideoCompressorTestAdministrator2(m_fullCheck);
}
