#pragma once
// The items of an owner-drawn list (a font combo's names, each in its own typeface): each
// is painted by the list's own code through GDI and shown as that picture.
#include "win32/WinTypes.h"

#include <QImage>
#include <QStyledItemDelegate>

// Item `index` of the list model of hwnd drawn at `size` (-1: the empty edit part);
// null when the window holds no owner-drawn list.
QImage DesktopDrawListItem(HWND hwnd, int index, UINT state, QSize size);

class DesktopOwnerDrawnDelegate : public QStyledItemDelegate {
public:
    DesktopOwnerDrawnDelegate(HWND hwnd, QObject* parent) : QStyledItemDelegate(parent), m_hwnd(hwnd) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    HWND m_hwnd;
};
