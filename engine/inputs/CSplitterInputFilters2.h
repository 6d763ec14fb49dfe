#pragma once
// A file source followed by up to four splitters, either of fixed class ids or found by
// trying the chains of the input file-type tables.
#include "CInputFilters2.h"
#include "win32/WinTypes.h"

class CFilterData;
class CSourceFilter;
class CSplitterFilter;

class CSplitterInputFilters2 : public CInputFilters2 {
public:
    static constexpr int kSplitterCount = 4;

    explicit CSplitterInputFilters2(CDirectShowGraph* graph = nullptr);
    ~CSplitterInputFilters2() override;

    bool CreateAndConnect() override;
    bool CreateSelf() override;
    void Release() override;
    int GetTotalSubtitlePinCount() override;
    int GetVideoPinCount(EOutputType type) override;
    CFilterPin* GetVideoPin(EOutputType type, int index) override;
    int GetAudioPinCount(EOutputType type) override;
    CFilterPin* GetAudioPin(EOutputType type, int index) override;
    CFilterPin* GetSubtitlePin(int index) override;
    bool Connect() override;
    void Disconnect() override;

    virtual bool CreateInput();
    virtual bool CreateSplitter(int index);
    virtual void ReleaseSplitter(int index);
    virtual bool ConnectSplitter(int index);
    virtual void DisconnectSplitter(int index);
    virtual bool DynamicConnectInput() = 0;
    virtual bool DynamicConnectFileSource(CFilterData* source);
    virtual bool DynamicConnectSplitter(CFilterData* source);
    virtual bool DynamicConnectStreamSplitter(CFilterData* source, int index);
    virtual bool DynamicConnectSingleSplitter(int index, CFilterData* splitter);
    virtual bool DynamicConnectSplitter1(CFilterData* splitter);
    virtual bool DynamicConnectSplitter2(CFilterData* splitter);

    void SetInputId(const GUID& id) { m_inputId = id; }
    const GUID& GetInputId() const { return m_inputId; }
    // Indexes from 4 on are ignored and read as the null id.
    void SetSplitterId(const GUID& id, int index);
    GUID GetSplitterId(int index) const;
    void SetChainSplitter(bool chain) { m_chainSplitter = chain; }
    bool GetChainSplitter() const { return m_chainSplitter; }
    CSourceFilter* GetFileSource() const { return m_fileSource; }
    CSplitterFilter* GetSplitter(int index) const;

    static const char* const kCreateAndConnectError;
    static const char* const kCreateInputError;
    static const char* const kCreateSourceError;
    static const char* const kCreateSplitterError;

protected:
    // Releases and deletes the file source.
    void ReleaseFileSource();
    void ClearIds();

    GUID m_inputId = GUID_NULL;
    GUID m_splitterIds[kSplitterCount] = {};
    CSourceFilter* m_fileSource = nullptr;
    CSplitterFilter* m_splitters[kSplitterCount] = {};
    bool m_chainSplitter = false;

private:
    // The filters whose pins the set hands out: the last splitter of a chain, the
    // splitters side by side, or the source alone.
    int PinSources(CSourceFilter* sources[kSplitterCount]) const;
    template <class Count, class Get>
    CFilterPin* PinAt(int index, Count count, Get get) const;
    template <class Count>
    int SumPins(Count count) const;
    // A failed trial splitter: error text, released, id cleared.
    void DropSplitter(int index);
};
