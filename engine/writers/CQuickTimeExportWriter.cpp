#include "CQuickTimeExportWriter.h"

#include "CDirectShowSystem2.h"
#include "StApplicationId.h"
#include "StQuickTime.h"
#include "dshow/DShowInterfaces.h"
#include "WithInterface.h"
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
    const BYTE* bytes = m_settings.GetBuffer();
    const LONG size = LONG(m_settings.GetSize());
    WithInterface<IQuickTimeExportSettings>(GetFilter(), [&](auto* i) { i->SetExportSettings(bytes, size); });
    WithInterface<IQuickTimeCompressionSettings>(GetFilter(),
                                                 [&](auto* i) { i->SetCompressionSettings(bytes, size); });
    if (!CDirectShowSystem2::sCapturing)
        WithInterface<IQuickTimeWriterMode>(GetFilter(), [](auto* i) { i->SetConverting(TRUE); });
    WithInterface<IQuickTimeExportRates>(GetFilter(), [&](auto* rates) {
        rates->SetVideoBitrate(LONG(m_videoBitrate));
        rates->SetQuality(m_quality);
        rates->SetAudioBitrate(LONG(m_audioBitrate));
    });
    return true;
}
