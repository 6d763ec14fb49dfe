#include "desktop/DesktopTrackbarPeer.h"

#include "win32/controls/CtlMessages.h"
#include "win32/controls/CommCtrl.h"

#include <QSlider>

DesktopTrackbarPeer::DesktopTrackbarPeer(HWND hwnd) : DesktopControlPeer(hwnd, new QSlider)
{
    m_slider = static_cast<QSlider*>(Widget());
    m_slider->setOrientation(Style() & TBS_VERT ? Qt::Vertical : Qt::Horizontal);
    // The model's vertical bar has its minimum at the top, as Qt's inverted one does.
    m_slider->setInvertedAppearance(Style() & TBS_VERT);
    m_slider->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(m_slider, &QSlider::sliderPressed, m_slider, [this] {
        if (!Syncing() && M()) MouseAt(WM_LBUTTONDOWN, M()->Pos());
    });
    QObject::connect(m_slider, &QSlider::sliderMoved, m_slider, [this](int pos) {
        if (!Syncing() && M() && M()->IsDragging()) MouseAt(WM_MOUSEMOVE, pos);
    });
    QObject::connect(m_slider, &QSlider::sliderReleased, m_slider, [this] {
        if (Syncing() || !M()) return;
        MouseAt(WM_LBUTTONUP, m_slider->sliderPosition());
        Resync();
    });
    QObject::connect(m_slider, &QSlider::actionTriggered, m_slider, [this](int action) {
        if (Syncing() || !M()) return;
        UINT key = 0;
        bool horizontal = m_slider->orientation() == Qt::Horizontal;
        switch (action) {
        // Qt's "add" on a vertical slider is the up key, towards the model's minimum.
        case QAbstractSlider::SliderSingleStepAdd: key = horizontal ? VK_RIGHT : VK_UP; break;
        case QAbstractSlider::SliderSingleStepSub: key = horizontal ? VK_LEFT : VK_DOWN; break;
        case QAbstractSlider::SliderPageStepAdd: key = horizontal ? VK_NEXT : VK_PRIOR; break;
        case QAbstractSlider::SliderPageStepSub: key = horizontal ? VK_PRIOR : VK_NEXT; break;
        case QAbstractSlider::SliderToMinimum: key = VK_HOME; break;
        case QAbstractSlider::SliderToMaximum: key = VK_END; break;
        default: return;   // dragging goes through the mouse
        }
        M()->UserKey(key);
        // Qt applies the slider position after this signal: it takes the model's.
        m_slider->setSliderPosition(M()->Pos());
    });
}

void DesktopTrackbarPeer::MouseAt(UINT message, int pos)
{
    POINT p = M()->PointOf(pos);
    SendMessageA(Window(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(p.x, p.y));
}

void DesktopTrackbarPeer::SyncState()
{
    CtlTrackbar* model = M();
    if (!model) return;
    m_slider->setRange(model->Min(), std::max(model->Min(), model->Max()));
    m_slider->setSingleStep(model->LineSize());
    m_slider->setPageStep(model->PageSize());
    DWORD style = Style();
    if (style & TBS_NOTICKS) m_slider->setTickPosition(QSlider::NoTicks);
    else if (style & TBS_BOTH) m_slider->setTickPosition(QSlider::TicksBothSides);
    else if (style & TBS_VERT) m_slider->setTickPosition(style & TBS_LEFT ? QSlider::TicksLeft : QSlider::TicksRight);
    else m_slider->setTickPosition(style & TBS_TOP ? QSlider::TicksAbove : QSlider::TicksBelow);
    if (!m_slider->isSliderDown()) m_slider->setValue(model->Pos());
}
