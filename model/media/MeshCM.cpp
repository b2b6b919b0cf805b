#include "model/media/MeshCM.h"

#include "framework/InterfaceQuery.h"

#include <tiny_obj_loader.h>

#include <cmath>
#include <filesystem>

CORVANE_REGISTER_CLASS(MeshCM)

void* MeshCM::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .AnswerBase(FindCastMemberInterface(name))
        .Answer("SceneCastMember", static_cast<SceneCastMember*>(this))
        .Answer("MeshCM", this)
        .Result();
}

StringList MeshCM::GetFileTypes() {
    return {"Wavefront Mesh (*.obj)\n*.obj"};
}

bool MeshCM::Load() {
    std::string path = GetPath();
    if (!CheckFile())
        return false;

    tinyobj::ObjReaderConfig config;
    config.triangulate = true;
    config.vertex_color = false;
    tinyobj::ObjReader reader;
    if (!reader.ParseFromFile(path, config)) {
        std::string problem = reader.Error();
        while (!problem.empty() && (problem.back() == '\n' || problem.back() == '\r'))
            problem.pop_back();
        return FailLoad(problem.empty() ? "it is not a readable mesh" : problem);
    }

    const tinyobj::attrib_t& attributes = reader.GetAttrib();
    size_t vertexCount = attributes.vertices.size() / 3;
    size_t normalCount = attributes.normals.size() / 3;
    TriangleMesh mesh;
    for (const auto& shape : reader.GetShapes()) {
        const auto& indices = shape.mesh.indices;
        for (size_t face = 0; face + 3 <= indices.size(); face += 3) {
            bool allNormals = true;
            for (size_t corner = face; corner < face + 3; ++corner) {
                const auto& index = indices[corner];
                if (index.vertex_index < 0 ||
                    static_cast<size_t>(index.vertex_index) >= vertexCount)
                    return FailLoad("a face refers to a vertex the file does not have");
                bool hasNormal = index.normal_index >= 0 &&
                                 static_cast<size_t>(index.normal_index) < normalCount;
                allNormals = allNormals && hasNormal;
                const float none[3] = {0, 0, 0};
                mesh.AddCorner(
                    &attributes.vertices[3 * static_cast<size_t>(index.vertex_index)],
                    hasNormal ? &attributes.normals[3 * static_cast<size_t>(index.normal_index)]
                              : none);
            }
            if (!allNormals)
                mesh.UseFaceNormal();
        }
    }
    if (mesh.GetTriangleCount() == 0)
        return FailLoad("it has no faces");
    m_mesh = std::move(mesh);
    return true;
}

void MeshCM::DrawThumbnail(CDC* target, CDC*, const tagRECT& area) {
    m_mesh.DrawWireframe(target, area);
}

void MeshCM::DrawModel() {
    m_mesh.Draw();
}
