#pragma once
// Plays several files one after the other as one stream: the first file's first sound
// and first picture stream give the output pins ("Audio", "Video"); every further file
// must carry streams of the same codecs and is refused otherwise. Times run on across
// the files; the part between the start and the end is played, beginning at the first
// picture that can be decoded on its own.
#include "dshow/PushSource.h"
#include "dshow/interfaces/MultiFileSource.h"

#include <string>
#include <vector>

struct AVFormatContext;
struct AVPacket;

class CMultiFileSource : public CPushSource, public IMultiFileSource {
public:
    static HRESULT Create(REFIID iid, void** object);
    CMultiFileSource();
    MV_FILTER_UNKNOWN

    HRESULT AddFile(const WCHAR* path) override;
    HRESULT GetFileCount(LONG* count) override;
    HRESULT SetStart(LONGLONG start) override;
    HRESULT GetStart(LONGLONG* start) override;
    HRESULT SetEnd(LONGLONG end) override;
    HRESULT GetEnd(LONGLONG* end) override;

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;

protected:
    ~CMultiFileSource() override;
    void* FindInterface(REFIID iid) override;
    HRESULT ProduceNext() override;
    HRESULT SeekTo(REFERENCE_TIME position) override;
    REFERENCE_TIME MediaDuration() override;

private:
    struct File {
        std::string path;
        REFERENCE_TIME offset = 0; // where it starts on the joined time line
        REFERENCE_TIME duration = 0;
    };
    struct Output {
        int codecId;
        bool video;
        CMediaType type;
        CBasePin* pin;
        int stream = -1; // in the file now open
        bool started = false;
    };

    HRESULT OpenFile(size_t index);
    void CloseFile();
    REFERENCE_TIME End() const;

    std::vector<File> m_files;
    std::vector<Output> m_outputs;
    REFERENCE_TIME m_start = 0;
    REFERENCE_TIME m_end = 0;
    REFERENCE_TIME m_target = 0; // where the last seek went on the joined time line
    size_t m_current = 0;
    AVFormatContext* m_format = nullptr;
    AVPacket* m_packet = nullptr;
};
