#pragma once
// Keeps a video window inside the area its locator computes, at the aspect ratio of the
// picture it shows, centred on the short side.
#include "CListener.h"
#include "CWindowLocator.h"

class CAspectRatioInfo2;

class CVideoWindowLocator : public CWindowLocator, public CListener {
public:
    CVideoWindowLocator() = default;
    CVideoWindowLocator(const CVideoWindowLocator& other);
    CVideoWindowLocator& operator=(const CVideoWindowLocator& other);
    ~CVideoWindowLocator() override;

    // Not owned; listened to while held. Moves the window.
    void SetAspectRatio(CAspectRatioInfo2* aspectRatio);
    CAspectRatioInfo2* GetAspectRatio() const { return m_aspectRatio; }

    void MoveWindow(CRect& rect) override;
    // The rectangle of that aspect ratio (width over height) that fits the area.
    static CRect Fit(const CRect& area, double aspectRatio);

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;

private:
    CAspectRatioInfo2* m_aspectRatio = nullptr;
};
