#include "views/FrontView.h"

#include "framework/InterfaceQuery.h"
#include "platform/gl/Wgl.h"

CORVANE_REGISTER_CLASS(FrontView)

void* FrontView::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .AnswerBase(FindSceneViewWndInterface(name))
        .Answer("FrontView", this)
        .Result();
}

void FrontView::ApplyOrientation() {
    glTranslatef(m_fPanA, m_fPanB, -15.0f);
}
