#include "UApplyMediaFile.h"

#include "CAudioTrack.h"
#include "CFileCheckAdministrator2.h"
#include "CMediaFile2.h"
#include "CSliceDuration2.h"
#include "CSubtitleTrack.h"
#include "CVideoTrack.h"
#include "UMediaFileInfo.h"

void UApplyMediaFile::ApplyMediaFile(CMediaFile2* file, CFileCheckAdministrator2* admin)
{
    if (!file || !admin) return;
    file->GetFilePath().SetFilePath(admin->GetFilePath());

    GUID source = GUID_NULL;
    GUID splitters[CMediaFile2::kSplitterCount] = {GUID_NULL, GUID_NULL, GUID_NULL, GUID_NULL};
    bool chainSplitter = false;
    double duration = 0;
    UMediaFileInfo::GetFileFormat(admin, &source, &splitters[0], &splitters[1], &splitters[2], &splitters[3],
                                  &chainSplitter, &duration);
    file->SetFileSourceId(source);
    for (int i = 0; i < CMediaFile2::kSplitterCount; ++i) file->SetSplitterId(splitters[i], i);
    file->SetChainSplitter(chainSplitter);
    file->GetSlice()->SetMax(duration);
    file->SetDuration(duration);

    const int videoCount = UMediaFileInfo::GetVideoTrackCount(admin);
    for (int i = 0; i < videoCount; ++i) {
        GUID subtype = GUID_NULL, decoder = GUID_NULL, decoder2 = GUID_NULL;
        unsigned long fourcc = 0;
        bool uncompressed = false;
        unsigned short width = 0, height = 0;
        double frameRate = 0, aspectRatio = 0;
        if (!UMediaFileInfo::GetVideoTrackSettings(admin, i, subtype, fourcc, uncompressed, decoder, decoder2, width,
                                                   height, frameRate, aspectRatio))
            continue;
        auto* track = new CVideoTrack;
        track->SetSubtype(subtype);
        track->SetFourcc(ULONG(fourcc));
        track->SetUncompressed(uncompressed);
        track->SetDecoder(decoder);
        track->SetDecoder2(decoder2);
        track->GetVideoInfo().SetWidth(width);
        track->GetVideoInfo().SetHeight(height);
        track->GetVideoInfo().SetFrameRate(frameRate);
        track->GetAspectRatio().SetOriginal(aspectRatio);
        track->GetAspectRatio().SetInput(aspectRatio);
        track->GetAspectRatio().SetOutput(aspectRatio);
        file->AddVideoTrack(track);
    }

    const int audioCount = UMediaFileInfo::GetAudioTrackCount(admin);
    for (int i = 0; i < audioCount; ++i) {
        GUID subtype = GUID_NULL, decoder = GUID_NULL, decoder2 = GUID_NULL;
        unsigned long fourcc = 0, sampleRate = 0;
        bool uncompressed = false;
        unsigned short channels = 0, bits = 0;
        if (!UMediaFileInfo::GetAudioTrackSettings(admin, i, subtype, fourcc, uncompressed, decoder, decoder2,
                                                   sampleRate, channels, bits))
            continue;
        auto* track = new CAudioTrack;
        track->SetSubtype(subtype);
        track->SetFourcc(ULONG(fourcc));
        track->SetUncompressed(uncompressed);
        track->SetDecoder(decoder);
        track->SetDecoder2(decoder2);
        track->GetAudioInfo().SetSampleRate(ULONG(sampleRate));
        track->GetAudioInfo().SetChannel(channels);
        track->GetAudioInfo().SetBitsPerSample(bits);
        file->AddAudioTrack(track);
    }

    const int subtitleCount = UMediaFileInfo::GetSubtitleTrackCount(admin);
    for (int i = 0; i < subtitleCount; ++i) file->AddSubtitleTrack(new CSubtitleTrack);

    admin->GetTags(file->GetTags());
}
