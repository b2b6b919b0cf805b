#include "platform/DialogTemplate.h"

#include <map>

namespace {
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
