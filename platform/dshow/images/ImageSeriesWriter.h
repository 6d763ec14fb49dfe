#pragma once
// Writes each image it takes to a file of its own, numbered from 1 in the order taken.
// A path whose extension is "Images" names the folder of the images ("00001.jpg" ...);
// any other path names their folder and the start of their names ("n00001.gif" ...).
// The extension is that of the images' format.
#include "dshow/FileSinkFilter.h"

#include <filesystem>
#include <mutex>
#include <string>

class CImageSeriesWriter : public CFileSinkFilter {
public:
    static HRESULT Create(REFIID iid, void** object);
    CImageSeriesWriter();
    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;

    // The file of image `number` (from 1) of this format for a path as above.
    static std::filesystem::path ImagePath(const std::filesystem::path& path, const char* extension, long number);

protected:
    HRESULT OnPause() override;

private:
    std::mutex m_writeLock;
    std::filesystem::path m_path;
    const char* m_extension = nullptr;
    long m_count = 0;
};
