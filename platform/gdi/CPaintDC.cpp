#include "platform/gdi/CPaintDC.h"

CPaintDC::CPaintDC(CWnd* pWnd) : CClientDC(pWnd) {
    m_bPresentWhenDone = false;
}
