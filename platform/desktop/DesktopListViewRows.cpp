#include "desktop/DesktopListViewRows.h"

#include "win32/controls/CtlListView.h"
#include "win32/controls/CtlWindow.h"

int DesktopListViewRows::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int DesktopListViewRows::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(1, m_columns);
}

QVariant DesktopListViewRows::data(const QModelIndex& index, int role) const
{
    auto* model = CtlModelAs<CtlListView>(m_hwnd);
    if (!model || !index.isValid() || index.row() >= model->Count()) return QVariant();
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return QString::fromStdString(model->Text(index.row(), index.column()));
    if (role == Qt::CheckStateRole && index.column() == 0 && (model->ExtendedStyle() & LVS_EX_CHECKBOXES))
        return model->IsChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
    return QVariant();
}

QVariant DesktopListViewRows::headerData(int section, Qt::Orientation orientation, int role) const
{
    auto* model = CtlModelAs<CtlListView>(m_hwnd);
    if (!model || orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
    const auto& columns = model->Header().Items();
    if (section < 0 || section >= static_cast<int>(columns.size())) return QVariant();
    return QString::fromStdString(columns[static_cast<size_t>(section)].text);
}

void DesktopListViewRows::Refresh()
{
    auto* model = CtlModelAs<CtlListView>(m_hwnd);
    int rows = model ? model->Count() : 0;
    int columns = model ? model->ColumnCount() : 0;
    if (rows != m_rows || columns != m_columns) {
        beginResetModel();
        m_rows = rows;
        m_columns = columns;
        endResetModel();
        return;
    }
    if (rows > 0) emit dataChanged(index(0, 0), index(rows - 1, std::max(1, columns) - 1));
    emit headerDataChanged(Qt::Horizontal, 0, std::max(1, columns) - 1);
}
