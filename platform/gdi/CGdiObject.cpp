#include "platform/gdi/CGdiObject.h"

BOOL CGdiObject::DeleteObject() {
    if (!m_bCreated || m_bStock || !CanDelete())
        return FALSE;
    Release();
    m_bCreated = false;
    return TRUE;
}
