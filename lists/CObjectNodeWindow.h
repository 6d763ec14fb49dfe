#pragma once
// A window that draws the objects of a persistent list as nodes on a scaled plane; a
// press on a node that hands out a drag indicator drags it until the button is released.
#include "CTopObjectDisplay.h"
#include "afx/windows/CWnd.h"

class CDC;
class CObjectNode;
namespace mvlists {
class CDragIndicator;
}

class CObjectNodeWindow : public CWnd, public CTopObjectDisplay {
public:
    CObjectNodeWindow() = default;
    CObjectNodeWindow(const CObjectNodeWindow&) = delete;
    CObjectNodeWindow& operator=(const CObjectNodeWindow&) = delete;
    ~CObjectNodeWindow() override;

    long CreateChildDisplayHandle(CObjectDisplay* display, CPersistObject* object, int index) override;
    void DisposeChildDisplayHandle(CObjectDisplay* display) override;
    long GetChildDisplayHandle(CObjectDisplay* display) override;
    void DisplayChanged(CObjectDisplay* display) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    void Redraw() override;

    virtual void Draw(CDC* dc);
    virtual void DrawBackground(CDC*) {}
    virtual void DrawDisplays(CDC* dc);
    virtual void DrawDisplay(CDC* dc, CObjectDisplay* display, double xScale, double yScale, int xOrigin, int yOrigin);
    virtual double GetXScale() { return mXScale; }
    virtual double GetYScale() { return mYScale; }
    virtual int GetXOrigin() { return mXOrigin; }
    virtual int GetYOrigin() { return mYOrigin; }
    virtual bool DragDisplay(CPoint point, double xScale, double yScale, int xOrigin, int yOrigin);
    virtual mvlists::CDragIndicator* StartDragging(CObjectNode* node, CPoint point, double xScale, double yScale,
                                                   int xOrigin, int yOrigin);
    virtual void StopDragging(CObjectNode* node, CPoint point, double xScale, double yScale, int xOrigin, int yOrigin);
    virtual void ProcessDragging(CObjectNode* node, CPoint point, double xScale, double yScale, int xOrigin, int yOrigin);

    void SetScales(double xScale, double yScale) { mXScale = xScale; mYScale = yScale; }
    void SetOrigins(int xOrigin, int yOrigin) { mXOrigin = xOrigin; mYOrigin = yOrigin; }
    CObjectNode* GetDraggedNode() const { return mDragNode; }

protected:
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

    double mXScale = 1.0;
    double mYScale = 1.0;
    int mXOrigin = 0;
    int mYOrigin = 0;

private:
    void EndDragging(CPoint point);

    CObjectNode* mDragNode = nullptr;
    mvlists::CDragIndicator* mIndicator = nullptr;
};
