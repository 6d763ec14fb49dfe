#pragma once
// A skin location that places a window.
#include "CSkinLocation.h"

class CWnd;

class CSkinWindowLocation : public CSkinLocation {
public:
    CSkinWindowLocation(const char* name, CWnd* window);

    // Stores the window and takes its place.
    void SetWindow(CWnd* window);
    CWnd* GetWindow() const { return m_window; }
    // The window's rectangle in its parent's client coordinates becomes the place.
    void GetWindowInfo();
    // Moves the window to the loaded place; Save writes the place last taken.
    bool Load() override;

private:
    CWnd* m_window = nullptr;
};
