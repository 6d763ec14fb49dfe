#include "UOutputFileNames.h"

#include "CFormatType.h"
#include "CFormatTypes.h"
#include "CMediaFile2.h"
#include "CQuorlanData.h"
#include "UFileUtils.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr ESplitterType kPortablePlayerType = 2022;
constexpr int kFileSource = 0;
constexpr int kDvdSource = 1;

CString Joined(const char* folder, const char* name)
{
    CString path = folder ? folder : "";
    path += name;
    return path;
}

CString DvdName(CMediaFile2& file, const CString& extension)
{
    const CDvdFileInfo& dvd = file.GetDvdInfo();
    const int first = dvd.GetFirstChapter() + 1;
    const int last = dvd.GetLastChapter() + 1;
    char name[128];
    if (dvd.GetTitle() != 0) {
        if (first == last)
            std::snprintf(name, sizeof name, "vts_%d_cell_%d.%s", dvd.GetTitle(), first, extension.GetString());
        else
            std::snprintf(name, sizeof name, "vts_%d_cell_%d_to_%d.%s", dvd.GetTitle(), first, last,
                          extension.GetString());
    } else if (first == last) {
        std::snprintf(name, sizeof name, "vmg_cell_%d.%s", first, extension.GetString());
    } else {
        std::snprintf(name, sizeof name, "vmg_cell_%d_to_%d.%s", first, last, extension.GetString());
    }
    return name;
}

} // namespace

CString UOutputFileNames::GetOutputExtension(ESplitterType type, bool audioOnly, bool variant)
{
    const CFormatType* row = CFormatTypes::sFormatTypes ? CFormatTypes::sFormatTypes->FindFileType(type) : nullptr;
    if (!row) return CString();
    return audioOnly ? row->GetAudioExtension() : row->GetVideoExtension(variant);
}

bool UOutputFileNames::IsPortablePlayerName(const char* name)
{
    if (!name || std::strlen(name) != 12 || std::strncmp(name, "M4V", 3) != 0 || std::strcmp(name + 8, ".MP4") != 0)
        return false;
    for (int i = 3; i < 8; ++i)
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) return false;
    const long number = std::strtol(CString(name + 3, 5), nullptr, 10);
    return number >= 10001 && number <= 99999;
}

void UOutputFileNames::SetOutputFileName(CMediaFile2* file, const char* folder, ESplitterType type, bool audioOnly,
                                         bool variant)
{
    if (!file) return;
    CPersistFile2& output = file->GetOutputFile();
    if (type == kPortablePlayerType) {
        if (IsPortablePlayerName(output.GetFileNameOnly())) return;
        char name[32];
        std::snprintf(name, sizeof name, "M4V%d.MP4", CQuorlanData::UsePspSequence());
        output.SetFilePath(Joined(folder, name));
        return;
    }
    const CString extension = GetOutputExtension(type, audioOnly, variant);
    if (file->GetMediaSource() == kDvdSource) {
        output.SetFilePath(Joined(folder, DvdName(*file, extension)));
        return;
    }
    if (file->GetMediaSource() != kFileSource) return;
    CString name = output.GetFilePath().IsEmpty() ? file->GetFilePath().GetFileNameOnly() : output.GetFileNameOnly();
    if (name.IsEmpty()) return;
    // A copy first: the next text from the shared ring could overwrite it.
    const CString renamed(UFileUtils::ReplaceExtension(file->GetFilePath().GetFileNameOnly(), extension));
    output.SetFilePath(Joined(folder, renamed));
}
