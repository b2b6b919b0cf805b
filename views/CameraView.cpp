#include "views/CameraView.h"

#include "framework/InterfaceQuery.h"
#include "host/Player.h"

CORVANE_REGISTER_CLASS(CameraView)

void* CameraView::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .AnswerBase(FindSceneViewWndInterface(name))
        .Answer("CameraView", this)
        .Result();
}

void CameraView::ApplyViewTransformation(Player* player) {
    if (player)
        player->ApplyCamera();
}
