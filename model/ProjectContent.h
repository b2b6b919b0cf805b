#pragma once

#include "model/Camera.h"

#include "host/CastList.h"
#include "host/CastMember.h"
#include "host/Instance.h"
#include "host/TimeLine.h"

#include <vector>

// Everything a project file holds, between the file and the live objects.
struct ProjectContent {
    struct PlacedInstance {
        Pointer<Instance> instance;
        int row;
        int start;
        int stop;
    };

    int frameRate = 25;
    Camera camera;
    CastMemberList cast;
    // In time line order (by row, then by first frame).
    std::vector<PlacedInstance> instances;
};
