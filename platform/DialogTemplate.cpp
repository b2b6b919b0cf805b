#include "platform/DialogTemplate.h"

#include <map>

namespace {
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;

std::map<UINT, DialogTemplate>& Templates() {
    static std::map<UINT, DialogTemplate> templates;
    return templates;
}
} // namespace

void RegisterDialogTemplate(UINT nIDTemplate, DialogTemplate dialogTemplate) {
    Templates()[nIDTemplate] = std::move(dialogTemplate);
}

const DialogTemplate* FindDialogTemplate(UINT nIDTemplate) {
    auto found = Templates().find(nIDTemplate);
    return found == Templates().end() ? nullptr : &found->second;
}

int DialogUnitsToPixelsX(int x) {
    return x * kBaseUnitX / 4;
}

int DialogUnitsToPixelsY(int y) {
    return y * kBaseUnitY / 8;
}
