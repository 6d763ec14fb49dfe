#pragma once
// "DVD": the DVD navigator as a source, with its information and control interfaces held
// from creation to release.
#include "CSourceFilter.h"

struct IDvdInfo2;
struct IDvdControl2;

class CDvdNavigatorFilter : public CSourceFilter {
public:
    explicit CDvdNavigatorFilter(CDirectShowGraph* graph = nullptr, const char* name = "DVD");
    ~CDvdNavigatorFilter() override;

    // Fails when an interface is missing or the navigator refuses the folder.
    bool Create() override;
    void Release() override;

    // The DVD folder; empty lets the navigator find a disc.
    void SetPath(const char* path) { m_path = path ? path : ""; }
    IDvdInfo2* GetInfo() const { return m_info; }
    IDvdControl2* GetControl() const { return m_control; }

private:
    CString m_path;
    IDvdInfo2* m_info = nullptr;
    IDvdControl2* m_control = nullptr;
};
