#pragma once
// Freezes a window's painting for a scope while it is rebuilt.
class CWnd;

class StWindowUpdate {
public:
    // Without a window: the main window of the current thread's application.
    explicit StWindowUpdate(CWnd* window = nullptr);
    ~StWindowUpdate();
    StWindowUpdate(const StWindowUpdate&) = delete;
    StWindowUpdate& operator=(const StWindowUpdate&) = delete;

    bool IsLocking() const { return m_window != nullptr; }

private:
    // Set only when this guard took the lock, so a guard that failed (another window
    // is locked) or nests inside one on the same window leaves that lock alone.
    CWnd* m_window = nullptr;
};
