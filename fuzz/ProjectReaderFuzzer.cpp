// libFuzzer target: any bytes given to the .qmx reader either become a
// project or a ProjectFileError, never a crash, a leak or undefined behaviour.
#include "model/ProjectFileError.h"
#include "model/ProjectReader.h"

#include "framework/AppPath.h"
#include "framework/PluginManager.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The media classes too, so that files naming them reach their code.
    GetPluginManager()->LoadLibrary(GetAppPath("../app/Plugins/CorvaneMedia.dll").str());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        ProjectReader("/nonexistent/project")
            .Read(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const ProjectFileError&) {
    }
    return 0;
}
