#pragma once
// The row of filters hung behind one output pin of an input set: decoders, time filters
// and a buffer. The output sets connect the stages in their own order; the chain builds,
// links, finds and releases them, and finds its way only by following pin connections.
#include "dshow/DShowTypes.h"

class CBufferFilter;
class CDecoderFilter;
class CDecoderInfo;
class CDirectShowGraph;
class CFilterPin;
class CTimeCleanerFilter;
class CTimeDropperFilter;
class CTimeShifterFilter;

class CTransformChain {
public:
    CTransformChain(CDirectShowGraph* graph, CFilterPin* inputPin);
    CTransformChain(const CTransformChain&) = delete;
    CTransformChain& operator=(const CTransformChain&) = delete;
    virtual ~CTransformChain();

    virtual bool ConnectDecoder();
    virtual CDecoderInfo* GetDecoderInfo() = 0;
    virtual bool DynamicConnectDecoderList(CDecoderInfo* registry);
    virtual bool DynamicConnectDecoder(CFilterPin* pin, AM_MEDIA_TYPE* type, CDecoderInfo* registry, int index);
    virtual bool ConnectDecoder2();
    virtual bool DynamicConnectDecoder2List(CDecoderInfo* registry);
    virtual bool DynamicConnectDecoder2(CFilterPin* pin, AM_MEDIA_TYPE* type, CDecoderInfo* registry, int index);
    virtual bool ConnectTimeDropper();
    virtual bool ConnectTimeShift(double shift);
    virtual bool ConnectTimeCleaner();
    virtual bool ConnectBuffer();
    virtual void ReleaseDecoder2();
    virtual void ReleaseDecoder();
    virtual void ReleaseTimeDropper();
    virtual void ReleaseTimeShifter();
    virtual void ReleaseTimeCleaner();
    virtual void ReleaseBuffer();
    virtual void Release();
    virtual void ReleaseSelf();
    virtual CFilterPin* GetOutputPin();
    virtual CFilterPin* GetNextPin(CFilterPin* pin);
    virtual CFilterPin* GetPreviousPin(CFilterPin* pin);
    virtual void Disconnect();
    virtual bool GetStreamType(GUID& subtype, unsigned long& code, bool& plain, GUID& decoderId, GUID& decoder2Id);

    // The decoder stage's class id; null without one.
    GUID GetDecoderId() const;
    CDirectShowGraph* GetGraph() const { return m_graph; }
    CFilterPin* GetInputPin() const { return m_inputPin; }
    CDecoderFilter* GetDecoder() const { return m_decoder; }
    CDecoderFilter* GetDecoder2() const { return m_decoder2; }

protected:
    // The decoder steps over one member, so the second decoder shares them.
    bool ConnectDecoderTo(CDecoderFilter*& decoder, bool second);
    bool DynamicConnectDecoderListTo(CDecoderInfo* registry, bool second);
    bool DynamicConnectDecoderTo(CDecoderFilter*& decoder, CFilterPin* pin, AM_MEDIA_TYPE* type,
                                 CDecoderInfo* registry, int index);

    CDirectShowGraph* m_graph;
    CFilterPin* m_inputPin;
    CDecoderFilter* m_decoder = nullptr;
    CDecoderFilter* m_decoder2 = nullptr;
    CTimeDropperFilter* m_timeDropper = nullptr;
    CTimeShifterFilter* m_timeShifter = nullptr;
    CTimeCleanerFilter* m_timeCleaner = nullptr;
    CBufferFilter* m_buffer = nullptr;
};
