#pragma once

#include "platform/gdi/CDC.h"

#include <QPointer>

class QWidget;

// A device context of a window's client area that lives until ReleaseDC
// (windows of the CS_OWNDC class keep theirs for their lifetime). Null for a
// null or uncreated window.
HDC GetDC(HWND hWnd);
// Frees a DC that GetDC gave for this window: 1 on success, else 0.
int ReleaseDC(HWND hWnd, HDC hDC);

// A device context on a window's client area: it draws into the window's
// surface and shows it when the DC goes away. A DC on a window that is not
// (or no longer) created draws nothing.
class CClientDC : public CDC {
  public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

    CWnd* GetWindow() const override;

  protected:
    QImage* GetTarget() override;
    bool IsCreated() const override;

    bool m_bPresentWhenDone = true;

  private:
    friend HDC GetDC(HWND hWnd);
    friend int ReleaseDC(HWND hWnd, HDC hDC);

    CWnd* m_pWnd;
    QPointer<QWidget> m_pWidget; // guards against drawing into a destroyed window
    bool m_bFromGetDC = false;
};
