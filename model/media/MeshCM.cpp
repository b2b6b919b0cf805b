#include "model/media/MeshCM.h"
#include "model/media/MediaText.h"

#include "framework/InterfaceQuery.h"

#include <tiny_obj_loader.h>

#include <cmath>
#include <string>

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

namespace {

bool IsFinite(const float* position) {
    return std::isfinite(position[0]) && std::isfinite(position[1]) && std::isfinite(position[2]);
}

} // namespace

// Missing material libraries, texture coordinates and normals do not matter:
// the mesh takes its colour from the instance and makes its own normals.
bool MeshCM::Load() {
    std::string path = GetPath();
    if (!CheckFile())
        return false;
    std::string text, problem;
    if (!MediaText::Read(path, text, problem))
        return FailLoad(problem);

    tinyobj::ObjReaderConfig config;
    config.triangulate = true;
    config.vertex_color = false;
    tinyobj::ObjReader reader;
    if (!reader.ParseFromString(text, std::string(), config)) {
        problem = reader.Error();
        while (!problem.empty() && (problem.back() == '\n' || problem.back() == '\r'))
            problem.pop_back();
        return FailLoad(problem.empty() ? "it is not a readable mesh" : problem);
    }

    const tinyobj::attrib_t& attributes = reader.GetAttrib();
    size_t vertexCount = attributes.vertices.size() / 3;
    size_t normalCount = attributes.normals.size() / 3;
    bool hasLinesOrPoints = false;
    TriangleMesh mesh;
    for (const auto& shape : reader.GetShapes()) {
        hasLinesOrPoints =
            hasLinesOrPoints || !shape.lines.indices.empty() || !shape.points.indices.empty();
        const auto& indices = shape.mesh.indices;
        for (size_t face = 0; face + 3 <= indices.size(); face += 3) {
            bool allNormals = true;
            for (size_t corner = face; corner < face + 3; ++corner) {
                const auto& index = indices[corner];
                if (index.vertex_index < 0 ||
                    static_cast<size_t>(index.vertex_index) >= vertexCount)
                    return FailLoad("a face refers to a vertex the file does not have");
                const float* position =
                    &attributes.vertices[3 * static_cast<size_t>(index.vertex_index)];
                if (!IsFinite(position))
                    return FailLoad("a vertex has a coordinate too large to draw");
                bool hasNormal =
                    index.normal_index >= 0 &&
                    static_cast<size_t>(index.normal_index) < normalCount &&
                    IsFinite(&attributes.normals[3 * static_cast<size_t>(index.normal_index)]);
                allNormals = allNormals && hasNormal;
                const float none[3] = {0, 0, 0};
                mesh.AddCorner(
                    position, hasNormal
                                  ? &attributes.normals[3 * static_cast<size_t>(index.normal_index)]
                                  : none);
            }
            if (!allNormals)
                mesh.UseFaceNormal();
        }
    }
    if (mesh.GetTriangleCount() == 0)
        return FailLoad(hasLinesOrPoints ? "it has only points or lines, no faces to draw"
                                         : "it has no faces");
    m_mesh = std::move(mesh);
    return true;
}

void MeshCM::DrawThumbnail(CDC* target, CDC*, const tagRECT& area) {
    m_mesh.DrawWireframe(target, area);
}

void MeshCM::DrawModel() {
    m_mesh.Draw();
}
