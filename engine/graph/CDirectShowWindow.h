#pragma once
// The window that shows a graph's video and receives its event notices, and that
// announces dropped files, clicks and keys to its listeners.
#include "CBroadcaster.h"
#include "afx/windows/CWnd.h"

class CDirectShowGraph;
class CPath;
class CFilePath;
class CDirectoryPath;
class CPointerList;

class CDirectShowWindow : public CWnd, public CBroadcaster {
public:
    enum {
        kGraphNotifyWindowMessage = 0x480,
        kVideoWindowFileDroppedMessage = 21773488,
        kVideoWindowDoubleClickMessage = 21773489,
        kVideoWindowClickMessage = 21773490,
        kVideoWindowKeyDownMessage = 21773491,
        kVideoWindowKeyUpMessage = 21773492,
    };

    CDirectShowWindow();
    ~CDirectShowWindow() override;

    void SetGraph(CDirectShowGraph* graph);
    CDirectShowGraph* GetGraph() const { return m_graph; }
    void SetDrawText(const char* text) { m_text = text ? text : ""; }
    const CString& GetDrawText() const { return m_text; }

    // True when a listener took the path (for a folder: one of its paths).
    bool ImportPath(CPath* path, CPointerList* list);
    bool ImportPath(CDirectoryPath* path, CPointerList* list);
    bool ImportPath(CFilePath* path, CPointerList* list);

    LRESULT OnGraphNotify(WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void OnDropFiles(HDROP drop);
    void OnSize(UINT type, int cx, int cy);
    void OnMove(int x, int y);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnKeyUp(UINT key, UINT repeat, UINT flags);

protected:
    DECLARE_MESSAGE_MAP()

private:
    void ResizeGraph();

    CString m_text;
    CDirectShowGraph* m_graph = nullptr;
};
