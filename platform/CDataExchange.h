#pragma once

#include "platform/WinTypes.h"

class CWnd;

// MFC's dialog data exchange, as far as binding control members goes.
class CDataExchange {
  public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Binds rControl to the dialog's control nIDC (once; later calls keep it).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
