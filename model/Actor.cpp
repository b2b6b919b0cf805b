#include "model/Actor.h"

#include "framework/InterfaceQuery.h"

#include <GL/gl.h>

CORVANE_REGISTER_CLASS(Actor)

namespace {
const AnimatedLayout& Layout() {
    static const AnimatedLayout layout{
        {"Transform",
         {{"TranslateX", "0.000000"},
          {"TranslateY", "0.000000"},
          {"TranslateZ", "0.000000"},
          {"RotationX", "0.000000"},
          {"RotationY", "0.000000"},
          {"RotationZ", "0.000000"},
          {"ScaleX", "1.000000"},
          {"ScaleY", "1.000000"},
          {"ScaleZ", "1.000000"}}},
        {"Colour", {{"Red", "1.000000"}, {"Green", "1.000000"}, {"Blue", "1.000000"}}}};
    return layout;
}

const StringList& Scripts() {
    static const StringList scripts{"OnFrame"};
    return scripts;
}
} // namespace

Actor::Actor() : InstanceBase(Layout(), Scripts()) {}

void* Actor::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .AnswerBase(FindInstanceInterface(name))
        .Answer("Actor", this)
        .Result();
}

bool Actor::AcceptsCastMember(Pointer<CastMember> member) {
    return static_cast<bool>(member.As<SceneCastMember>("SceneCastMember"));
}

void Actor::SetCastMember(Pointer<CastMember> member) {
    m_pModel = member.As<SceneCastMember>("SceneCastMember");
    InstanceBase::SetCastMember(std::move(member));
}

void Actor::Draw(bool) {
    if (!m_pModel)
        return;
    glPushMatrix();
    glTranslated(GetNumber("TranslateX"), GetNumber("TranslateY"), GetNumber("TranslateZ"));
    glRotated(GetNumber("RotationX"), 1, 0, 0);
    glRotated(GetNumber("RotationY"), 0, 1, 0);
    glRotated(GetNumber("RotationZ"), 0, 0, 1);
    glScaled(GetNumber("ScaleX"), GetNumber("ScaleY"), GetNumber("ScaleZ"));
    glColor3d(GetNumber("Red"), GetNumber("Green"), GetNumber("Blue"));
    m_pModel->DrawModel();
    glPopMatrix();
}
