#pragma once

#include "platform/ControlAdapter.h"

#include <QListWidget>

// A list box: its window text is its title, as a plain window's.
class ListBoxAdapter : public ControlAdapter {
  public:
    explicit ListBoxAdapter(QListWidget* list) : ControlAdapter(list), m_pList(list) {}

    bool Select(const QString& text) override {
        QList<QListWidgetItem*> found =
            m_pList->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (found.isEmpty())
            return false;
        m_pList->setCurrentItem(found.first());
        return true;
    }

  private:
    QListWidget* m_pList;
};
