#pragma once

#include "model/media/TriangleMesh.h"

#include "model/CastMemberBase.h"
#include "model/SceneCastMember.h"

#include "framework/PluginClass.h"

// A 3D mesh read from a Wavefront .obj file (polygons are split into
// triangles; corners without normals take their face's normal; materials are
// left to the instance's colour).
class MeshCM : public CastMemberBase, public SceneCastMember {
  public:
    CORVANE_DECLARE_CLASS();

    void* FindInterface(const char* name) override;

    StringList GetFileTypes() override;
    bool Load() override;
    void DrawThumbnail(CDC* target, CDC* scratch, const tagRECT& area) override;
    void DrawModel() override;

  private:
    TriangleMesh m_mesh;
};
