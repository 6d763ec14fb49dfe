#include "UMediaFileInfo.h"

#include "CAudioTransformChain.h"
#include "CDecodingOutputFilters.h"
#include "CFileCheckAdministrator2.h"
#include "CFileInputFilters2.h"
#include "CVideoTransformChain.h"

bool UMediaFileInfo::GetFileFormat(CFileCheckAdministrator2* admin, GUID* inputId, GUID* splitter0, GUID* splitter1,
                                   GUID* splitter2, GUID* splitter3, bool* chainSplitter, double* duration)
{
    auto* input = admin ? dynamic_cast<CSplitterInputFilters2*>(admin->GetInputFilters()) : nullptr;
    if (!input) return false;
    GUID* splitters[] = {splitter0, splitter1, splitter2, splitter3};
    if (inputId) *inputId = input->GetInputId();
    for (int i = 0; i < 4; ++i)
        if (splitters[i]) *splitters[i] = input->GetSplitterId(i);
    if (chainSplitter) *chainSplitter = input->GetChainSplitter();
    if (duration) *duration = admin->GetDuration();
    return true;
}

CDecodingOutputFilters* UMediaFileInfo::GetOutputFitlers(CFileCheckAdministrator2* admin)
{
    if (!admin) return nullptr;
    if (auto* processing = dynamic_cast<CDecodingOutputFilters*>(admin->GetProcessingOutputFilters()))
        return processing;
    return dynamic_cast<CDecodingOutputFilters*>(admin->GetRenderOutputFilters());
}

int UMediaFileInfo::GetVideoTrackCount(CFileCheckAdministrator2* admin)
{
    CDecodingOutputFilters* set = GetOutputFitlers(admin);
    return set ? set->GetVideoChainCount() : 0;
}

int UMediaFileInfo::GetAudioTrackCount(CFileCheckAdministrator2* admin)
{
    CDecodingOutputFilters* set = GetOutputFitlers(admin);
    return set ? set->GetAudioChainCount() : 0;
}

int UMediaFileInfo::GetSubtitleTrackCount(CFileCheckAdministrator2* admin)
{
    CDecodingOutputFilters* set = GetOutputFitlers(admin);
    return set ? set->GetSubtitleTrackCount() : 0;
}

bool UMediaFileInfo::GetVideoTrackSettings(CFileCheckAdministrator2* admin, int index, GUID& subtype,
                                           unsigned long& code, bool& plain, GUID& decoderId, GUID& decoder2Id,
                                           unsigned short& width, unsigned short& height, double& frameRate,
                                           double& aspectRatio)
{
    CDecodingOutputFilters* set = GetOutputFitlers(admin);
    CVideoTransformChain* chain = set ? set->GetVideoChain(index) : nullptr;
    if (!chain) return false;
    chain->GetStreamType(subtype, code, plain, decoderId, decoder2Id);
    return chain->GetVideoSetting(width, height, frameRate, aspectRatio);
}

bool UMediaFileInfo::GetAudioTrackSettings(CFileCheckAdministrator2* admin, int index, GUID& subtype,
                                           unsigned long& code, bool& plain, GUID& decoderId, GUID& decoder2Id,
                                           unsigned long& sampleRate, unsigned short& channels,
                                           unsigned short& bitsPerSample)
{
    CDecodingOutputFilters* set = GetOutputFitlers(admin);
    CAudioTransformChain* chain = set ? set->GetAudioChain(index) : nullptr;
    if (!chain) return false;
    chain->GetStreamType(subtype, code, plain, decoderId, decoder2Id);
    return chain->GetAudioSettings(sampleRate, channels, bitsPerSample);
}
