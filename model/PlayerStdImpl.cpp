#include "model/PlayerStdImpl.h"

#include "model/SceneItem.h"

#include "host/Instance.h"

#include "framework/InterfaceQuery.h"

#include <GL/gl.h>

namespace {
constexpr unsigned kLights = 8; // OpenGL guarantees at least eight
const GLfloat kAmbient[4] = {0.25f, 0.25f, 0.25f, 1.0f};
const GLfloat kDefaultDirection[4] = {0.3f, 0.6f, 1.0f, 0.0f};
const GLfloat kWhite[4] = {1.0f, 1.0f, 1.0f, 1.0f};

void SetUpLights(const InstanceList& alive) {
    glEnable(GL_LIGHTING);
    glEnable(GL_NORMALIZE);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, kAmbient);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
    unsigned used = 0;
    for (const auto& instance : alive) {
        if (used == kLights)
            break;
        auto item = instance.As<SceneItem>("SceneItem");
        if (item && item->ApplyLight(GL_LIGHT0 + used))
            ++used;
    }
    if (used > 0)
        return;
    // A project without lights still shows its shapes.
    glEnable(GL_LIGHT0);
    glLightfv(GL_LIGHT0, GL_POSITION, kDefaultDirection);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, kWhite);
}
} // namespace

PlayerStdImpl::PlayerStdImpl(Pointer<TimeLineStdImpl> timeLine)
    : m_pTimeLine(std::move(timeLine)) {}

void* PlayerStdImpl::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("Player", static_cast<Player*>(this))
        .Answer("SharedObject", static_cast<SharedObject*>(this))
        .Answer("PlayerStdImpl", this)
        .Result();
}

void PlayerStdImpl::SetCurrentFrame(int frame) {
    int old = ShowFrame(frame);
    Announce(frame, old);
}

int PlayerStdImpl::ShowFrame(int frame) {
    int old = m_nFrame;
    m_nFrame = frame;
    for (const auto& instance : m_pTimeLine->GetInstancesAt(frame))
        instance->PlayerFrameChange(frame, old);
    return old;
}

void PlayerStdImpl::Announce(int newFrame, int oldFrame) {
    if (m_listener)
        m_listener(newFrame, oldFrame);
}

void PlayerStdImpl::ApplyCamera() {
    m_camera.Apply();
}

void PlayerStdImpl::Draw(bool selecting) {
    InstanceList alive = m_pTimeLine->GetInstancesAt(m_nFrame);
    glPushAttrib(GL_ENABLE_BIT | GL_LIGHTING_BIT | GL_CURRENT_BIT | GL_TEXTURE_BIT);
    if (selecting) {
        m_named.clear();
        glInitNames();
        glPushName(0);
    } else {
        SetUpLights(alive);
    }
    for (const auto& instance : alive) {
        if (selecting) {
            auto item = instance.As<SceneItem>("SceneItem");
            if (item && !item->IsPickable())
                continue;
            glLoadName(static_cast<GLuint>(m_named.size()));
            m_named.push_back(instance);
        }
        instance->Draw(selecting);
    }
    if (selecting)
        glPopName();
    glPopAttrib();
}

Pointer<Instance> PlayerStdImpl::GetInstanceForName(int name) {
    if (name < 0 || static_cast<size_t>(name) >= m_named.size())
        return {};
    return m_named[static_cast<size_t>(name)];
}
