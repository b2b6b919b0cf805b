#pragma once

#include "platform/EditAdapter.h"

#include <QLineEdit>

// A single-line edit: one line, the whole text.
class LineEditAdapter : public EditAdapter {
  public:
    explicit LineEditAdapter(QLineEdit* edit) : EditAdapter(edit), m_pEdit(edit) {}

    QString GetText() const override { return m_pEdit->text(); }
    void SetText(const QString& text) override { m_pEdit->setText(text); }
    bool Type(const QString& text) override;

    void SetSel(int nStartChar, int nEndChar, bool bNoScroll) override;
    void GetSel(int& nStartChar, int& nEndChar) const override;
    int GetLineCount() const override { return 1; }
    int LineIndex(int nLine) const override { return nLine == 0 ? 0 : -1; }
    int LineLength(int) const override { return static_cast<int>(m_pEdit->text().size()); }
    int LineFromChar(int) const override { return 0; }

  private:
    QLineEdit* m_pEdit;
};
