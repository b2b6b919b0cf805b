#include "views/SceneViewWnd.h"

#include "framework/InterfaceQuery.h"
#include "framework/SharedObjects.h"
#include "host/Instance.h"
#include "host/Player.h"
#include "platform/gl/Wgl.h"

namespace {

// Without a published player there is nothing to draw or to pick.
Pointer<Player> GetPlayer() {
    return GetSharedObjects()->GetObjectA("Player").As<Player>("Player");
}

} // namespace

SceneViewWnd::SceneViewWnd() {
    AddRef();
}

void* SceneViewWnd::FindSceneViewWndInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("OGLWnd", static_cast<OGLWnd*>(this))
        .AnswerBase(FindOGLWndInterface(name))
        .Answer("SceneView", static_cast<SceneView*>(this))
        .Answer("InputEventSource", static_cast<InputEventSource*>(this))
        .Result();
}

Pointer<Instance> SceneViewWnd::Pick(CPoint point) {
    int name = DetermineSelection(point);
    Pointer<Player> player = GetPlayer();
    if (!player)
        return {};
    return player->GetInstanceForName(name);
}

void SceneViewWnd::InitializeScene() {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    AttachHandlers();
}

void SceneViewWnd::DrawScene() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    Pointer<Player> player = GetPlayer();
    ApplyViewTransformation(player.Get());
    if (player)
        player->Draw(IsInSelectionMode());
    glFlush();
    glFinish();
}
