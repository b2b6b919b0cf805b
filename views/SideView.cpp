#include "views/SideView.h"

#include "framework/InterfaceQuery.h"
#include "platform/gl/Wgl.h"

CORVANE_REGISTER_CLASS(SideView)

void* SideView::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .AnswerBase(FindSceneViewWndInterface(name))
        .Answer("SideView", this)
        .Result();
}

void SideView::ApplyOrientation() {
    glRotatef(-90.0f, 0.0f, 1.0f, 0.0f);
    glTranslatef(15.0f, m_fPanA, m_fPanB);
}
