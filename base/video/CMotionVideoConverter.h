#pragma once
// An aspect-ratio converter that follows motion: a detector finds where the picture moves, the
// rectangles of the last seconds are kept, and a virtual camera moves and zooms smoothly over the
// input so that the output shows them. It always scales with one scaler.
#include "CAutoVideoConverter.h"
#include "CCameraVelocity.h"
#include "CMotionDetector.h"
#include "CPointerList.h"

class CMotionVideoConverter : public CAutoVideoConverter {
public:
    CMotionVideoConverter() = default;
    CMotionVideoConverter(const CMotionVideoConverter& other);
    CMotionVideoConverter& operator=(const CMotionVideoConverter& other);
    ~CMotionVideoConverter() override;

    void Reset() override;
    void Convert(BYTE* in, BYTE* out, double time) override;
    void Initialize() override;
    bool NeedBridge(EColorFormat& format, unsigned short& width, unsigned short& height) override;
    void ScaleWithoutBridge(BYTE* in, BYTE* out) override;

    // Stored for callers; the detector keeps its own threshold (CMotionDetector::SetSensitivity).
    void SetSensitivity(BYTE v) { m_sensitivity = v; }
    BYTE GetSensitivity() const { return m_sensitivity; }
    void SetMotionDuration(double seconds);
    double GetMotionDuration() const { return m_motionDuration; }
    CMotionDetector& GetDetector() { return m_detector; }
    const CCameraVelocity& GetCamera() const { return m_camera; }
    int GetMotionRecordCount() const { return m_records.GetItemCount(); }

protected:
    void MotionInput(BYTE* in);

private:
    void DeleteRecords();

    CMotionDetector m_detector;
    CCameraVelocity m_camera;
    CPointerList m_records;
    BYTE m_sensitivity = 5;
    double m_motionDuration = 1.0;
    double m_currentTime = 0;
};
