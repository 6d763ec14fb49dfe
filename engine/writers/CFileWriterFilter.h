#pragma once
// A writer filter: gives the filter its output path through its file-sink interface and
// configures it before the graph is connected. Writers that take the streams themselves
// offer a "Video" and an "Audio" pin.
#include "COutputFilter.h"

struct IFileSinkFilter;

class CFileWriterFilter : public COutputFilter {
public:
    explicit CFileWriterFilter(CDirectShowGraph* graph = nullptr, const char* name = "File Writer");
    CFileWriterFilter(const CFileWriterFilter&) = delete;
    CFileWriterFilter& operator=(const CFileWriterFilter&) = delete;
    ~CFileWriterFilter() override;

    bool Create() override;
    // Creates the filter as Create does but leaves the configuration out: whether the
    // filter is installed does not hang on one type's settings.
    bool CreateUnconfigured();
    void Release() override;
    CFilterPin* GetVideoInputPin() override { return m_videoPin; }
    CFilterPin* GetAudioInputPin() override { return m_audioPin; }
    void SetFilePath(const char* path) override { m_filePath = path ? path : ""; }
    const char* GetFilePath() const { return m_filePath; }

protected:
    // Creates the "Video" and "Audio" pins, in that order.
    void AddStreamPins();
    // The filter and its file-sink interface, without the configuration.
    bool CreateWriter();
    // Create's last step: the configuration, skipped when created unconfigured.
    bool ConfigureOnCreate() { return m_unconfigured || SetupBeforeConnect(); }

    CString m_filePath;
    IFileSinkFilter* m_sink = nullptr;
    CFilterPin* m_videoPin = nullptr;
    CFilterPin* m_audioPin = nullptr;

private:
    bool m_unconfigured = false;
};
