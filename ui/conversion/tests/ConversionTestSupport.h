#pragma once
// A conversion administrator whose graph runs empty: the input is never opened, the
// output set is made but not connected, and the written position is whatever the test
// says. So the watchdog, the retry and the end detection run on the real code paths
// without media, on the virtual clock.
#include "CFileInputFilters2.h"
#include "CFileOutputFilters2.h"
#include "CListener.h"
#include "CMediaConversionAdministrator2.h"
#include "CSliceDuration2.h"

#include <vector>

class CScriptedConversion : public CMediaConversionAdministrator2 {
public:
    ~CScriptedConversion() override { Release(); }

    double GetConversionPosition() override { return position; }
    bool CreateInputFilters() override
    {
        const bool made = CMediaConversionAdministrator2::CreateInputFilters();
        auto* input = static_cast<CFileInputFilters2*>(GetInputFilters());
        inputIds.push_back(input->GetInputId());
        firstSplitters.push_back(input->GetSplitterId(0));
        return made;
    }
    bool ConnectInput() override { return connects; }
    bool ConnectOutput() override
    {
        if (!CreateProcessingOutputFilters()) return false;
        // The path the writer would get, as a connected set works it out.
        static_cast<CFileOutputFilters2*>(GetProcessingOutputFilters())->UseFilePath();
        return true;
    }

    double position = 0;
    bool connects = true;
    std::vector<GUID> inputIds;       // the input id of each run built
    std::vector<GUID> firstSplitters; // and its first splitter id
};

// The ends an administrator announced, with the first error it held at each.
class CEndWatcher : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == CDirectShowAdministrator2::kGraphCompleteMessage) {
            errors.push_back(static_cast<const CDirectShowAdministrator2*>(p)->GetErrorText());
        }
        return CListener::ListenToMessage(message, p, q);
    }
    int Ends() const { return int(errors.size()); }
    std::vector<CString> errors;
};

// An input file of the given length read by the given source filter.
inline void MakeInputFile(CMediaFile2& file, const char* path, const GUID& source, double seconds)
{
    file.GetFilePath().SetFilePath(path);
    file.SetFileSourceId(source);
    file.SetDuration(seconds);
    file.GetSlice()->SetMax(seconds);
}
