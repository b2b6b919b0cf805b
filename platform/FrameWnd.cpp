#include "platform/FrameWnd.h"

void CFrameWnd::OnClose() {
    DestroyWindow();
}

void CFrameWnd::PostNcDestroy() {
    delete this;
}
