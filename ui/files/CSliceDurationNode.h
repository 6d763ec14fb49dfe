#pragma once
// One slice of a media file drawn as a tube on the slices timeline: cut caps where it runs on
// into a linked neighbour, and the selected slice in the selection's colours. The tube artwork
// is shared by every node and lives while any node does.
#include "CDurationNode.h"
#include "win32/WinTypes.h"

class CMediaFile2;
class CSliceDuration2;

class CSliceDurationNode : public CDurationNode {
public:
    static constexpr UINT kTubeId = 11060;
    static constexpr UINT kTubeCutId = 11062;
    static constexpr UINT kTubeSelectId = 11065;
    static constexpr UINT kTubeCutSelectId = 11066;
    static constexpr int kCapWidth = 4;

    explicit CSliceDurationNode(CObjectDisplay* parent);
    CSliceDurationNode(const CSliceDurationNode&) = delete;
    CSliceDurationNode& operator=(const CSliceDurationNode&) = delete;
    ~CSliceDurationNode() override;

    void SetVideo(CMediaFile2* file) { m_file = file; }
    void Load();
    void Unload();
    void DrawDuration(CDC* dc, int left, int right, int xOrigin, int y) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;

    static CSliceDuration2* sSelection;
    static HBITMAP sTube;
    static HBITMAP sTubeCut;
    static HBITMAP sTubeSelect;
    static HBITMAP sTubeCutSelect;
    static HDC sTubeDc;
    static HDC sTubeCutDc;
    static HDC sTubeSelectDc;
    static HDC sTubeCutSelectDc;
    static int sTubeWidth;
    static int sTubeHeight;
    static int sTubeCutWidth;
    static int sReferenceCount;

private:
    CMediaFile2* m_file = nullptr;
    bool m_counted = false;
};
