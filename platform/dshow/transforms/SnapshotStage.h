#pragma once
// "Snap Shot": hands pictures on unchanged and keeps the latest, which can be grabbed at
// its own size or scaled; with a thumbnail mode set it saves, once a run, the first
// picture at or after the position to the named file (resized when asked).
#include "dshow/interfaces/SnapshotInterfaces.h"
#include "dshow/transforms/VideoStageFilter.h"

#include <set>
#include <string>
#include <vector>

class CSnapshotStage : public CVideoStageFilter,
                       public ISnapshotSettings,
                       public ISnapshotGrab,
                       public ISnapshotScaledGrab {
public:
    static HRESULT Create(REFIID iid, void** object);
    CSnapshotStage();
    MV_FILTER_UNKNOWN

    HRESULT SetMode(LONG mode) override;
    HRESULT SetKind(LONG kind) override;
    HRESULT SetPosition(double seconds) override;
    HRESULT SetResize(BYTE on) override;
    HRESULT SetWidth(LONG width) override;
    HRESULT SetHeight(LONG height) override;
    HRESULT SetName(const char* name) override;
    HRESULT SaveImage(const BYTE* dib, LONG size, const char* path, LONG kind, LONG quality) override;
    HRESULT GrabImage(BYTE** dib, LONG* size) override;
    HRESULT GrabScaledImage(LONG width, LONG height, BYTE** dib, LONG* size) override;
    HRESULT ReleaseImage(BYTE* dib) override;

protected:
    ~CSnapshotStage() override;
    void* FindInterface(REFIID iid) override;
    HRESULT Picture(const MediaSample& sample) override;
    HRESULT Drain() override;
    void OnStreamStart() override;

private:
    HRESULT SaveThumbnail();
    // A copy of the latest picture, scaled when both sides are given; empty when none.
    std::vector<BYTE> Image(LONG width, LONG height);
    HRESULT HandOut(std::vector<BYTE> image, BYTE** dib, LONG* size);

    std::mutex m_imageLock;
    std::vector<BYTE> m_latest; // the latest picture as it came
    std::set<BYTE*> m_handedOut;
    LONG m_mode = 0;
    LONG m_kind = 1002;
    REFERENCE_TIME m_position = kUnitsPerSecond / 2;
    bool m_resize = false;
    LONG m_width = 320;
    LONG m_height = 240;
    std::string m_name;
    bool m_saved = false;
};
