#pragma once
// The audio values of a RealMedia output: settings, sample rate, channels and bits, with the
// audio mode and complexity the audience encodes with.
#include "CAudioComplexityController.h"
#include "CAudioOutput2Panel.h"

class CRealAudioOutputPanel : public CAudioOutput2Panel {
public:
    CRealAudioOutputPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;
    void SetObject(CPersistObject* object) override;

    enum : int { kModeLabel = 7050, kMode = 7075, kComplexityLabel = 7074, kComplexity = 7070 };
    static constexpr unsigned kTemplate = 7095;

protected:
    CRealAudioOutputPanel(unsigned baseTemplate, unsigned long applicationId, CWnd* parent);
    void OnModeChanged();
    void OnComplexityChanged();
    DECLARE_MESSAGE_MAP()

private:
    CComboBox m_mode;
    CComboBox m_complexity;
    CAudioComplexityController m_complexityController;
};
