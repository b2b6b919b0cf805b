#include "platform/CListBox.h"

#include "platform/SortedInsert.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace {
QStringList Entries(const QListWidget* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text();
    return entries;
}
} // namespace

int CListBox::AddString(LPCSTR lpszItem) {
    auto* list = qobject_cast<QListWidget*>(GetWidget());
    if (!list)
        return LB_ERR;
    QString text = QString::fromUtf8(lpszItem ? lpszItem : "");
    int index = (GetStyle() & LBS_SORT) ? SortedInsertIndex(Entries(list), text) : list->count();
    QSignalBlocker blocker(list);
    int selected = list->currentRow();
    list->insertItem(index, text);
    // Adding selects nothing and keeps the selected entry selected.
    SetCurSel(selected < 0 ? -1 : selected + (index <= selected ? 1 : 0));
    return index;
}

int CListBox::GetCount() const {
    auto* list = qobject_cast<QListWidget*>(GetWidget());
    return list ? list->count() : LB_ERR;
}

int CListBox::GetCurSel() const {
    auto* list = qobject_cast<QListWidget*>(GetWidget());
    if (!list || list->currentRow() < 0 || !list->currentItem()->isSelected())
        return LB_ERR;
    return list->currentRow();
}

int CListBox::SetCurSel(int nSelect) {
    auto* list = qobject_cast<QListWidget*>(GetWidget());
    if (!list)
        return LB_ERR;
    QSignalBlocker blocker(list);
    if (nSelect < 0 || nSelect >= list->count()) {
        list->setCurrentRow(-1);
        list->clearSelection();
        return LB_ERR;
    }
    list->setCurrentRow(nSelect);
    return nSelect;
}

void CListBox::GetText(int nIndex, String& rString) const {
    auto* list = qobject_cast<QListWidget*>(GetWidget());
    QListWidgetItem* item = list ? list->item(nIndex) : nullptr;
    rString = item ? String(item->text().toStdString()) : String();
}
