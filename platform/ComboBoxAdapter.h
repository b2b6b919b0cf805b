#pragma once

#include "platform/ControlAdapter.h"

#include <QComboBox>

// A drop-down list: its text is the selected entry's.
class ComboBoxAdapter : public ControlAdapter {
  public:
    explicit ComboBoxAdapter(QComboBox* combo) : ControlAdapter(combo), m_pCombo(combo) {}

    QString GetText() const override;
    // Selects the entry with that text (in any letter case), if there is one.
    void SetText(const QString& text) override;
    bool Select(const QString& text) override;

  private:
    QComboBox* m_pCombo;
};
