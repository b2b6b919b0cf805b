#pragma once

#include "model/InstanceBase.h"

#include "framework/PluginClass.h"

// A point light at its "TranslateX/Y/Z" in the colour of its "Red", "Green"
// and "Blue". It shows as a small marker so that it can be picked and moved.
class Light : public InstanceBase {
  public:
    CORVANE_DECLARE_CLASS();
    Light();

    void* FindInterface(const char* name) override;

    bool AcceptsCastMember(Pointer<CastMember> member) override;
    void Draw(bool selecting) override;
    bool ApplyLight(unsigned light) override;
};
