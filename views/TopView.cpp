#include "views/TopView.h"

#include "framework/InterfaceQuery.h"
#include "platform/gl/Wgl.h"

CORVANE_REGISTER_CLASS(TopView)

void* TopView::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .AnswerBase(FindSceneViewWndInterface(name))
        .Answer("TopView", this)
        .Result();
}

void TopView::ApplyOrientation() {
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    glTranslatef(m_fPanA, -15.0f, m_fPanB);
}
