#include "model/Light.h"

#include "framework/InterfaceQuery.h"

#include <GL/gl.h>

CORVANE_REGISTER_CLASS(Light)

namespace {
constexpr double kMarkerSize = 0.15;

const AnimatedLayout& Layout() {
    static const AnimatedLayout layout{{"Light",
                                        {{"TranslateX", "0.000000"},
                                         {"TranslateY", "0.000000"},
                                         {"TranslateZ", "0.000000"},
                                         {"Red", "1.000000"},
                                         {"Green", "1.000000"},
                                         {"Blue", "1.000000"}}}};
    return layout;
}
} // namespace

Light::Light() : InstanceBase(Layout(), {"OnFrame"}) {}

void* Light::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .AnswerBase(FindInstanceInterface(name))
        .Answer("Light", this)
        .Result();
}

bool Light::AcceptsCastMember(Pointer<CastMember> member) {
    return member && member->FindInterface("LightCM");
}

// An octahedron in the light's own colour, unaffected by lighting. Drawn from
// an array: begin/end drawing here made the software renderer keep memory at
// every repaint.
void Light::Draw(bool) {
    static const GLdouble corners[6][3] = {{1, 0, 0},  {-1, 0, 0}, {0, 1, 0},
                                           {0, -1, 0}, {0, 0, 1},  {0, 0, -1}};
    static const GLubyte faces[8][3] = {{0, 2, 4}, {2, 1, 4}, {1, 3, 4}, {3, 0, 4},
                                        {2, 0, 5}, {1, 2, 5}, {3, 1, 5}, {0, 3, 5}};
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glPushMatrix();
    glTranslated(GetNumber("TranslateX"), GetNumber("TranslateY"), GetNumber("TranslateZ"));
    glScaled(kMarkerSize, kMarkerSize, kMarkerSize);
    glColor3d(GetNumber("Red"), GetNumber("Green"), GetNumber("Blue"));
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_DOUBLE, 0, corners);
    glDrawElements(GL_TRIANGLES, 24, GL_UNSIGNED_BYTE, faces);
    glPopMatrix();
    glPopClientAttrib();
    glPopAttrib();
}

bool Light::ApplyLight(unsigned light) {
    const GLfloat position[4] = {static_cast<GLfloat>(GetNumber("TranslateX")),
                                 static_cast<GLfloat>(GetNumber("TranslateY")),
                                 static_cast<GLfloat>(GetNumber("TranslateZ")), 1.0f};
    const GLfloat colour[4] = {static_cast<GLfloat>(GetNumber("Red")),
                               static_cast<GLfloat>(GetNumber("Green")),
                               static_cast<GLfloat>(GetNumber("Blue")), 1.0f};
    const GLfloat black[4] = {0, 0, 0, 1};
    glEnable(light);
    glLightfv(light, GL_POSITION, position);
    glLightfv(light, GL_DIFFUSE, colour);
    glLightfv(light, GL_SPECULAR, colour);
    glLightfv(light, GL_AMBIENT, black);
    return true;
}
