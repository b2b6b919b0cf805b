#include "model/Camera.h"

#include <GL/glu.h>

void Camera::Apply() const {
    gluLookAt(eye[0], eye[1], eye[2], target[0], target[1], target[2], up[0], up[1], up[2]);
}
