#pragma once

#include "platform/EditAdapter.h"

#include <QPlainTextEdit>

// A multi-line edit (ES_MULTILINE): its lines are the document's blocks.
class TextEditAdapter : public EditAdapter {
  public:
    explicit TextEditAdapter(QPlainTextEdit* edit) : EditAdapter(edit), m_pEdit(edit) {}

    QString GetText() const override { return m_pEdit->toPlainText(); }
    // A multi-line edit does not report text set by its program.
    void SetText(const QString& text) override;
    bool Type(const QString& text) override;

    void SetSel(int nStartChar, int nEndChar, bool bNoScroll) override;
    void GetSel(int& nStartChar, int& nEndChar) const override;
    int GetLineCount() const override;
    int LineIndex(int nLine) const override;
    int LineLength(int nIndex) const override;
    int LineFromChar(int nIndex) const override;

  private:
    int CaretPosition() const;

    QPlainTextEdit* m_pEdit;
};
