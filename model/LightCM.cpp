#include "model/LightCM.h"

#include "framework/InterfaceQuery.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CPen.h"

#include <algorithm>
#include <cmath>
#include <numbers>

CORVANE_REGISTER_CLASS(LightCM)

void* LightCM::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .AnswerBase(FindCastMemberInterface(name))
        .Answer("LightCM", this)
        .Result();
}

// A sun: a yellow core and eight rays.
void LightCM::DrawThumbnail(CDC* target, CDC*, const tagRECT& area) {
    int cx = (area.left + area.right) / 2;
    int cy = (area.top + area.bottom) / 2;
    int radius = std::min(area.right - area.left, area.bottom - area.top) / 2;
    if (radius < 4)
        return;
    int core = radius / 3;
    COLORREF background = target->GetBkColor();
    target->FillSolidRect(cx - core, cy - core, 2 * core, 2 * core, RGB(255, 220, 0));
    target->SetBkColor(background);
    CPen pen(PS_SOLID, 2, RGB(255, 180, 0));
    CPen* old = target->SelectObject(&pen);
    for (int ray = 0; ray < 8; ++ray) {
        double angle = ray * std::numbers::pi / 4;
        target->MoveTo(cx + static_cast<int>(std::lround(std::cos(angle) * core * 1.5)),
                       cy + static_cast<int>(std::lround(std::sin(angle) * core * 1.5)));
        target->LineTo(cx + static_cast<int>(std::lround(std::cos(angle) * (radius - 1))),
                       cy + static_cast<int>(std::lround(std::sin(angle) * (radius - 1))));
    }
    target->SelectObject(old);
}
