#pragma once
// The rows and columns of a list view model as Qt's item model, read on demand.
#include "win32/Messages.h"

#include <QAbstractTableModel>

class DesktopListViewRows : public QAbstractTableModel {
public:
    explicit DesktopListViewRows(HWND hwnd) : m_hwnd(hwnd) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The model changed: rows and columns are counted again and every row read anew.
    void Refresh();

private:
    HWND m_hwnd;
    int m_rows = 0;
    int m_columns = 0;
};
