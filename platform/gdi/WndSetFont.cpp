// CWnd::SetFont lives with the fonts: the window gets the face that stands in
// for the logical font, as device contexts draw it.

#include "platform/CWnd.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/GdiFont.h"

#include <QGuiApplication>
#include <QWidget>

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
    LOGFONT logFont{};
    if (!pFont || !pFont->GetLogFont(&logFont) || !GetWidget() ||
        !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    GetWidget()->setFont(GdiFont(logFont).GetQFont());
    if (bRedraw)
        GetWidget()->update();
}
