#pragma once
// Small filters that drive the graph in tests: a PCM tone source that can break
// part way, a transform from a private subtype to PCM, and a PCM-only sink.
#include "dshow/BasePin.h"
#include "dshow/PushSource.h"
#include "dshow/SinkFilter.h"

#include <atomic>
#include <vector>

inline const GUID MEDIASUBTYPE_TestPacked = {0x5E1F0001, 0x0000, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 1}};
inline const CLSID CLSID_TestUnpacker = {0x5E1F0002, 0x0000, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 2}};
inline const CLSID CLSID_TestSource = {0x5E1F0003, 0x0000, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 3}};
inline const CLSID CLSID_TestSink = {0x5E1F0004, 0x0000, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 4}};

// 8 kHz mono 16-bit, in blocks of 100 ms.
class CTestSource : public CPushSource {
public:
    CTestSource(int blocks, bool packed, int failAfter = -1)
        : CPushSource(CLSID_TestSource), m_blocks(blocks), m_packed(packed), m_failAfter(failAfter)
    {
        AddPin(PINDIR_OUTPUT, u"Out");
    }
    ~CTestSource() override { OnStop(); }

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override
    {
        CMediaType own;
        GetMediaType(pin, 0, own);
        return type.subtype == own.subtype ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
    }
    HRESULT GetMediaType(CBasePin*, int index, CMediaType& type) override
    {
        if (index != 0) return S_FALSE;
        MakePcmMediaType(type, 8000, 1, 16);
        if (m_packed) type.SetSubtype(MEDIASUBTYPE_TestPacked);
        return S_OK;
    }

protected:
    static constexpr REFERENCE_TIME kBlock = kUnitsPerSecond / 10;
    HRESULT SeekTo(REFERENCE_TIME position) override
    {
        m_next = int(position / kBlock);
        return S_OK;
    }
    REFERENCE_TIME MediaDuration() override { return m_blocks * kBlock; }
    HRESULT ProduceNext() override
    {
        if (m_next >= m_blocks || PastStop(m_next * kBlock)) return S_FALSE;
        if (m_next == m_failAfter) return E_FAIL;
        std::vector<BYTE> block(1600, BYTE(m_next));
        MediaSample sample;
        sample.data = block.data();
        sample.size = LONG(block.size());
        sample.start = m_next * kBlock;
        sample.stop = sample.start + kBlock;
        sample.hasTime = true;
        SetReached(sample.start);
        ++m_next;
        HRESULT hr = PinAt(0)->Deliver(sample);
        return hr == S_FALSE ? S_FALSE : hr;
    }

private:
    int m_blocks;
    bool m_packed;
    int m_failAfter;
    int m_next = 0;
};

// Takes the private subtype and passes the same bytes on as PCM.
class CTestUnpacker : public CBaseFilter {
public:
    static HRESULT Create(REFIID iid, void** object) { return CreateComObject<CTestUnpacker>(iid, object); }
    CTestUnpacker() : CBaseFilter(CLSID_TestUnpacker)
    {
        AddPin(PINDIR_INPUT, u"In");
        AddPin(PINDIR_OUTPUT, u"Out");
    }
    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override
    {
        if (pin->Direction() == PINDIR_INPUT) return type.subtype == MEDIASUBTYPE_TestPacked ? S_OK : E_FAIL;
        return PinAt(0)->IsConnected() && type.subtype == MEDIASUBTYPE_PCM ? S_OK : E_FAIL;
    }
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override
    {
        if (pin->Direction() != PINDIR_OUTPUT || index != 0 || !PinAt(0)->IsConnected()) return S_FALSE;
        type = PinAt(0)->MediaType();
        type.SetSubtype(MEDIASUBTYPE_PCM);
        return S_OK;
    }
    HRESULT Receive(CBasePin*, const MediaSample& sample) override { return PinAt(1)->Deliver(sample); }
    HRESULT EndOfStream(CBasePin*) override { return PinAt(1)->DeliverEndOfStream(); }
};

// Accepts PCM only and keeps what arrives.
class CTestSink : public CSinkFilter {
public:
    static HRESULT Create(REFIID iid, void** object) { return CreateComObject<CTestSink>(iid, object); }
    CTestSink() : CSinkFilter(CLSID_TestSink) { AddPin(PINDIR_INPUT, u"In"); }
    HRESULT CheckMediaType(CBasePin*, const AM_MEDIA_TYPE& type) override
    {
        return type.majortype == MEDIATYPE_Audio && type.subtype == MEDIASUBTYPE_PCM ? S_OK : E_FAIL;
    }
    HRESULT Receive(CBasePin*, const MediaSample& sample) override
    {
        std::lock_guard lock(m_lock);
        starts.push_back(sample.start);
        bytes += sample.size;
        return S_OK;
    }
    std::mutex m_lock;
    std::vector<REFERENCE_TIME> starts;
    LONGLONG bytes = 0;
    std::atomic<bool> ended{false};  // every input has seen its stream's end

protected:
    HRESULT OnAllEnded() override
    {
        ended = true;
        return S_OK;
    }
};
