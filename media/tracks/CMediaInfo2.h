#pragma once
// What a job knows of one input before and while it runs: the estimated output size
// and the processing status.
#include "CPersistObject.h"
#include "MvMediaProperty.h"

using EProcessStatus = LONG;

class CMediaInfo2 : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CMediaInfo2)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // Seconds a conversion of this input takes.
    virtual double GetConversionDuration();
    MV_DECLARE_PROPERTY(EstimatedSize, ULONG, ULONG)
    MV_DECLARE_PROPERTY(Status, EProcessStatus, EProcessStatus)
    // Forgets the estimate and the status.
    virtual void Close();

    ULONG GetEstimatedSize() const { return m_estimatedSize; }
    EProcessStatus GetStatus() const { return m_status; }

    static constexpr LONG kEstimatedSizeChangedNotice = FourCharCode("mif:");
    static constexpr LONG kStatusChangedNotice = FourCharCode("mif<");

private:
    ULONG m_estimatedSize = 0;
    EProcessStatus m_status = 0;
};
