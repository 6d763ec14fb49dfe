#include "CQuorlanTask.h"

#include "CConversionLoop.h"
#include "CPortableMediaConversion.h"
#include "CQuorlanData.h"

CQuorlanTask::CQuorlanTask()
{
    SetProgressTitle("Converting video...");
}

void CQuorlanTask::SetData(CQuorlanData* document)
{
    m_document = document;
    if (!m_document) return;
    if (CPortableMediaConversion* device = m_document->FindDevice(m_document->GetDevice()))
        m_document->GetFilePath() = device->GetSaveDir();
}

CString CQuorlanTask::GetError()
{
    const char* error = m_document ? m_document->Validate() : nullptr;
    return CString(error ? error : "");
}

CDxLoop2* CQuorlanTask::CreateLoopSelf()
{
    auto* loop = new CConversionLoop;
    loop->SetBatch(m_document);
    return loop;
}
