#include "model/FrameScript.h"

#include "framework/InterfaceQuery.h"

CORVANE_REGISTER_CLASS(FrameScript)

namespace {
const AnimatedLayout& Layout() {
    static const AnimatedLayout nothing{};
    return nothing;
}
} // namespace

FrameScript::FrameScript() : InstanceBase(Layout(), {"Script"}) {}

void* FrameScript::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .AnswerBase(FindInstanceInterface(name))
        .Answer("FrameScript", this)
        .Result();
}

bool FrameScript::AcceptsCastMember(Pointer<CastMember> member) {
    return member && member->FindInterface("DummyCM");
}
