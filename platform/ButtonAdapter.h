#pragma once

#include "platform/ControlAdapter.h"

#include <QAbstractButton>

// A push button: its text is its caption.
class ButtonAdapter : public ControlAdapter {
  public:
    explicit ButtonAdapter(QAbstractButton* button) : ControlAdapter(button), m_pButton(button) {}

    QString GetText() const override { return m_pButton->text(); }
    void SetText(const QString& text) override { m_pButton->setText(text); }
    bool Click() override {
        m_pButton->click();
        return true;
    }

  private:
    QAbstractButton* m_pButton;
};
