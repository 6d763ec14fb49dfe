#include "CQuickTimeFileWriter.h"

#include "CDirectShowSystem2.h"
#include "CQuickTimeExportWriter.h"
#include "StQtCodecs.h"
#include "StQuickTimeLoader.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/interfaces/QuickTimeWriterInterfaces.h"
#include "FourCharCode.h"
#include "StApplicationId.h"
#include "WithInterface.h"
#include "WriterIds.h"

CQuickTimeFileWriter::CQuickTimeFileWriter(CDirectShowGraph* graph, const char* name)
    : CFileWriterFilter(graph, name), m_fileType(FourCharCode("MooV"))
{
    const unsigned long application = StApplicationId::Id();
    if (application == 20000)
        SetId(CLSID_QuickTimeWriter20000);
    else if (application == 59301 || application == 64481)
        SetId(CLSID_QuickTimeWriter59301);
    else
        SetId(CLSID_QuickTimeWriter);
    AddStreamPins();
}

bool CQuickTimeFileWriter::Create()
{
    if (GetFilter()) return true;
    if (!CQuickTimeExportWriter::IsQuickTimeStarted()) {
        if (sPromptError) PromptCreateError();
        return false;
    }
    if (!CreateWriter()) return false;
    IQuickTimeVideoCompression* video = nullptr;
    IQuickTimeSoundCompression* sound = nullptr;
    const bool offered = SUCCEEDED(QueryInterfaceTo(GetFilter(), &video)) && SUCCEEDED(QueryInterfaceTo(GetFilter(), &sound));
    SafeRelease(video);
    SafeRelease(sound);
    if (offered && ConfigureOnCreate()) return true;
    Release();
    return false;
}

bool CQuickTimeFileWriter::SetupBeforeConnect()
{
    const StQtCodecs* list =
        StQuickTimeLoader::sLoader ? StQuickTimeLoader::sLoader->GetFileTypeCodecs(m_fileType) : nullptr;
    if (list) {
        WithInterface<IQuickTimeVideoCompression>(GetFilter(), [&](auto* video) {
            video->SetVideoFormat(list->GetVideoCodecFormatByName(m_videoCodecName));
            video->SetQuality(m_quality);
        });
        WithInterface<IQuickTimeVideoRate>(GetFilter(), [&](auto* rate) { rate->SetVideoBitrate(LONG(m_videoBitrate)); });
        WithInterface<IQuickTimeVideoSettings>(GetFilter(), [&](auto* video) {
            video->SetKeyFrameInterval(LONG(m_keyFrame));
            video->SetVideoSettings(m_settings.GetBuffer(), LONG(m_settings.GetSize()));
        });
        WithInterface<IQuickTimeSoundCompression>(GetFilter(), [&](auto* sound) {
            sound->SetAudioFormat(list->GetAudioCodecFormatByName(m_audioCodecName));
            sound->SetCapturing(CDirectShowSystem2::sCapturing);
        });
    }
    if (!CDirectShowSystem2::sCapturing)
        WithInterface<IQuickTimeWriterMode>(GetFilter(), [](auto* mode) { mode->SetConverting(TRUE); });
    return true;
}
