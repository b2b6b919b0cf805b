#pragma once

#include "framework/Float3.h"

// The project's camera: where it stands, what it looks at, which way is up.
struct Camera {
    Float3 eye{0.0f, 2.0f, 12.0f};
    Float3 target{0.0f, 0.0f, 0.0f};
    Float3 up{0.0f, 1.0f, 0.0f};

    // Multiplies the camera's view transformation onto the current matrix.
    void Apply() const;
};
