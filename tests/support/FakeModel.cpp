#include "FakeModel.h"

#include "platform/gl/Wgl.h"

std::vector<std::string>& CallLog() {
    static std::vector<std::string> log;
    return log;
}

void FakePlayer::ApplyCamera() {
    gluLookAt(0.0, 0.0, 10.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
}

namespace {

void DrawCube(const FakeBox& box) {
    const float x = box.centre[0], y = box.centre[1], z = box.centre[2], h = box.fHalf;
    const float corners[8][3] = {
        {x - h, y - h, z - h}, {x + h, y - h, z - h}, {x + h, y + h, z - h}, {x - h, y + h, z - h},
        {x - h, y - h, z + h}, {x + h, y - h, z + h}, {x + h, y + h, z + h}, {x - h, y + h, z + h}};
    const int faces[6][4] = {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 1, 5, 4},
                             {3, 2, 6, 7}, {0, 3, 7, 4}, {1, 2, 6, 5}};
    glColor3fv(box.colour);
    glBegin(GL_QUADS);
    for (const auto& face : faces)
        for (int corner : face)
            glVertex3fv(corners[corner]);
    glEnd();
}

} // namespace

void FakePlayer::Draw(bool selecting) {
    m_draws.push_back(selecting);
    if (selecting) {
        glInitNames();
        glPushName(0);
    }
    for (const FakeBox& box : m_boxes) {
        if (selecting)
            glLoadName(static_cast<GLuint>(box.nName));
        DrawCube(box);
    }
}

Pointer<Instance> FakePlayer::GetInstanceForName(int name) {
    m_askedNames.push_back(name);
    for (const FakeBox& box : m_boxes)
        if (box.nName == name)
            return box.instance;
    return {};
}

Pointer<Instance> FakePlayer::AddBox(Float3 centre, float half, float red, float green,
                                     float blue) {
    Pointer<Instance> instance(new FakeInstance("1", "1"));
    m_boxes.push_back(
        {centre, half, {red, green, blue}, static_cast<int>(m_boxes.size()) + 1, instance});
    return instance;
}
