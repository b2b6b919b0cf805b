#pragma once

#include "platform/ControlAdapter.h"

#include <QLabel>

// A static text.
class LabelAdapter : public ControlAdapter {
  public:
    explicit LabelAdapter(QLabel* label) : ControlAdapter(label), m_pLabel(label) {}

    QString GetText() const override { return m_pLabel->text(); }
    void SetText(const QString& text) override { m_pLabel->setText(text); }

  private:
    QLabel* m_pLabel;
};
