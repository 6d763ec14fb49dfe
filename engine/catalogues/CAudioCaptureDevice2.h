#pragma once
// An audio capture device of the catalogue with its input connectors in name order.
#include "CAudioCaptureConnector2.h"
#include "CCaptureDevice2.h"
#include "CPersistList.h"

class CAudioCaptureDevice2 : public CCaptureDevice2 {
    MV_DECLARE_PERSIST_CLASS(CAudioCaptureDevice2)
public:
    CAudioCaptureDevice2();
    CAudioCaptureDevice2(const CAudioCaptureDevice2&) = default;
    CAudioCaptureDevice2& operator=(const CAudioCaptureDevice2&) = default;
    ~CAudioCaptureDevice2() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    int GetConnectorCount() const { return m_connectors.GetItemCount(); }
    CAudioCaptureConnector2* GetConnector(int index) const;
    void AddConnector(CAudioCaptureConnector2* connector) { m_connectors.Add(connector); }
    void RemoveConnector(CAudioCaptureConnector2* connector);
    CAudioCaptureConnector2* Find(const char* name) const;
    CAudioCaptureConnector2* Add(const char* name);
    // The first connector whose name contains the text, letter case aside.
    CAudioCaptureConnector2* FindClose(const char* text) const;

    static constexpr LONG kType = FourCharCode("aca2");

private:
    CPersistList m_connectors{true};
};
