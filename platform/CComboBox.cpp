#include "platform/CComboBox.h"

#include "platform/SortedInsert.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {
QStringList Entries(const QComboBox* combo) {
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i);
    return entries;
}
} // namespace

int CComboBox::AddString(LPCSTR lpszString) {
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    if (!combo)
        return CB_ERR;
    QString text = QString::fromUtf8(lpszString ? lpszString : "");
    int index = (GetStyle() & CBS_SORT) ? SortedInsertIndex(Entries(combo), text) : combo->count();
    QSignalBlocker blocker(combo);
    int selected = combo->currentIndex();
    combo->insertItem(index, text);
    // Qt selects the first entry added; a Windows combo box selects nothing.
    combo->setCurrentIndex(selected < 0 ? -1 : selected + (index <= selected ? 1 : 0));
    return index;
}

int CComboBox::GetCount() const {
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    return combo ? combo->count() : CB_ERR;
}

int CComboBox::GetCurSel() const {
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    return combo && combo->currentIndex() >= 0 ? combo->currentIndex() : CB_ERR;
}

int CComboBox::SetCurSel(int nSelect) {
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    if (!combo)
        return CB_ERR;
    QSignalBlocker blocker(combo);
    if (nSelect < 0 || nSelect >= combo->count()) {
        combo->setCurrentIndex(-1);
        return CB_ERR;
    }
    combo->setCurrentIndex(nSelect);
    return nSelect;
}

void CComboBox::GetLBText(int nIndex, String& rString) const {
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    rString = combo && nIndex >= 0 && nIndex < combo->count()
                  ? String(combo->itemText(nIndex).toStdString())
                  : String();
}
