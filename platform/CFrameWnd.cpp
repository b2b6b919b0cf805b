#include "platform/CFrameWnd.h"

void CFrameWnd::OnClose() {
    DestroyWindow();
}

void CFrameWnd::PostNcDestroy() {
    delete this;
}
