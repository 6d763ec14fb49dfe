#include "desktop/DesktopOwnerDrawn.h"

#include "desktop/DesktopImages.h"
#include "win32/controls/CtlListModel.h"
#include "win32/controls/CtlMessages.h"
#include "win32/controls/CtlWindow.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Paint.h"

#include <QPainter>

QImage DesktopDrawListItem(HWND hwnd, int index, UINT state, QSize size)
{
    auto* model = CtlModelAs<CtlListModel>(hwnd);
    if (!model || !model->IsOwnerDrawn() || size.isEmpty()) return QImage();
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size.width(), size.height());
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, size.width(), size.height()};
    // What the item's code leaves undrawn shows the list's background.
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    model->DrawListItem(dc, index, state, all);
    SelectObject(dc, old);
    DeleteDC(dc);
    QImage image = DesktopImageOf(bitmap);
    DeleteObject(bitmap);
    return image;
}

void DesktopOwnerDrawnDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    UINT state = 0;
    if (option.state & QStyle::State_Selected) state |= ODS_SELECTED;
    if (option.state & QStyle::State_HasFocus) state |= ODS_FOCUS;
    QImage image = DesktopDrawListItem(m_hwnd, index.row(), state, option.rect.size());
    if (image.isNull()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    painter->drawImage(option.rect.topLeft(), image);
}

QSize DesktopOwnerDrawnDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (auto* model = CtlModelAs<CtlListModel>(m_hwnd)) size.setHeight(std::max(size.height(), model->ItemHeight()));
    return size;
}
