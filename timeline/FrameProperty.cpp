#include "timeline/FrameProperty.h"

#include "host/HasProperties.h"
#include "host/Instance.h"

#include <cstdlib>

int ReadFrameProperty(const Pointer<Instance>& instance, const char* name) {
    String value;
    if (auto properties = instance.As<HasProperties>("HasProperties"))
        properties->GetPropertyValue(name, value);
    return std::atoi(value);
}
