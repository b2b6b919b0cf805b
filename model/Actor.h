#pragma once

#include "model/InstanceBase.h"
#include "model/SceneCastMember.h"

#include "framework/PluginClass.h"

// An instance that shows a cast member with a 3D picture (a mesh, an image, a
// text) moved, rotated, scaled and coloured by its properties.
class Actor : public InstanceBase {
  public:
    CORVANE_DECLARE_CLASS();
    Actor();

    void* FindInterface(const char* name) override;

    bool AcceptsCastMember(Pointer<CastMember> member) override;
    void SetCastMember(Pointer<CastMember> member) override;
    void Draw(bool selecting) override;

  private:
    Pointer<SceneCastMember> m_pModel;
};
