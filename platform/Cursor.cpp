#include "platform/Cursor.h"

#include "platform/InputState.h"

#include <QWidget>

struct CursorHandle {
    Qt::CursorShape shape;
};

namespace {
CursorHandle s_arrow{Qt::ArrowCursor};
CursorHandle s_wait{Qt::WaitCursor};
HCURSOR s_hCurrent = &s_arrow;
} // namespace

HCURSOR LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName) {
    if (hInstance)
        return nullptr;
    if (lpCursorName == IDC_ARROW)
        return &s_arrow;
    if (lpCursorName == IDC_WAIT)
        return &s_wait;
    return nullptr;
}

HCURSOR SetCursor(HCURSOR hCursor) {
    HCURSOR hOld = s_hCurrent;
    s_hCurrent = hCursor;
    if (QWidget* widget = InputState::GetMouseWindow())
        widget->setCursor(hCursor ? hCursor->shape : Qt::BlankCursor);
    return hOld;
}
