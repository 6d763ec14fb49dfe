#include "UMediaValidator.h"

#include "CAudioOutput2.h"
#include "CMediaOutput2.h"
#include "afx/windows/CWinApp.h"
#include "win32/dialogs/MessageBox.h"

bool UMediaValidator::Validate(CMediaOutput2* output, bool skip)
{
    if (!output || skip || !output->GetWantsVideo() || !output->GetWantsAudio()) return true;
    return ValidateMp3(output);
}

bool UMediaValidator::ValidateMp3(CMediaOutput2* output)
{
    switch (output->GetSplitterType()) {
    case 100:
    case 120:
    case 130:
    case 190: break;
    default: return true;
    }
    CAudioOutput2* audio = output->GetAudioOutput(0);
    if (audio && audio->GetDisplayName() == "MPEG Layer-3")
        AfxMessageBox("Audio compressor \"MPEG Layer-3\" does not work well in video conversion. It may cause the "
                      "conversion to stop early.\n\nWe recommend to use \"Lame_enc.dll\" for MP3 audio. Select "
                      "\"Download | Lame_enc.dll\" menu item to download Lame_enc.dll.",
                      MB_OK | MB_ICONEXCLAMATION);
    return true;
}
