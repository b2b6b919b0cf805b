#include "model/DummyCM.h"

#include "framework/InterfaceQuery.h"
#include "platform/gdi/CDC.h"

CORVANE_REGISTER_CLASS(DummyCM)

void* DummyCM::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .AnswerBase(FindCastMemberInterface(name))
        .Answer("DummyCM", this)
        .Result();
}

void DummyCM::DrawThumbnail(CDC* target, CDC*, const tagRECT& area) {
    RECT box = area;
    int oldMode = target->SetBkMode(TRANSPARENT);
    COLORREF oldColour = target->SetTextColor(RGB(0, 0, 128));
    target->DrawText("{ }", &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    target->SetTextColor(oldColour);
    target->SetBkMode(oldMode);
}
