#include "CQuickTimeExportWriter.h"

#include "StApplicationId.h"
#include "StQuickTime.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/interfaces/QuickTimeWriterInterfaces.h"

CQuickTimeExportWriter::CQuickTimeExportWriter(CDirectShowGraph* graph, const char* name, ULONG fileType)
    : CFileWriterFilter(graph, name), m_fileType(fileType)
{
    AddStreamPins();
}

void CQuickTimeExportWriter::UseIdFor(const GUID& id, const GUID& alternative,
                                      std::initializer_list<unsigned long> applications)
{
    SetId(id);
    for (unsigned long application : applications)
        if (StApplicationId::Id() == application) SetId(alternative);
}

void CQuickTimeExportWriter::SetSettings(const unsigned char* bytes, uint32_t size)
{
    m_settings.Allocate(0, false);
    if (bytes && size > 0) m_settings.Append(bytes, size);
}

bool CQuickTimeExportWriter::Create()
{
    if (GetFilter()) return true;
    if (!IsQuickTimeStarted()) {
        if (sPromptError) PromptCreateError();
        return false;
    }
    return CFileWriterFilter::Create();
}

bool CQuickTimeExportWriter::IsQuickTimeStarted() { return StQuickTime::sStarts > 0; }

bool CQuickTimeExportWriter::SetupBeforeConnect()
{
    IQuickTimeExportRates* rates = nullptr;
    if (SUCCEEDED(QueryInterfaceTo(GetFilter(), &rates)) && rates) {
        rates->SetVideoBitrate(LONG(m_videoBitrate));
        rates->SetQuality(m_quality);
        rates->SetAudioBitrate(LONG(m_audioBitrate));
        rates->Release();
    }
    return true;
}
