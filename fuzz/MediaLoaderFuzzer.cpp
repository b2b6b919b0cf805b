// libFuzzer target, built once per media class: any bytes in the file a cast
// member reads either load or fail with the debugger line, never a crash, a
// leak or undefined behaviour. FUZZ_CLASS names the class, FUZZ_SUFFIX the
// extension its file gets.
#include "host/CastMember.h"

#include "framework/AppPath.h"
#include "framework/Debugger.h"
#include "framework/PluginManager.h"
#include "framework/RTTIClass.h"

#include <QGuiApplication>

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {
std::string g_path;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Image decoders come from the toolkit's plug-ins, found through the application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv);
    GetPluginManager()->LoadLibrary(GetAppPath("../app/Plugins/CorvaneMedia.dll").str());
    const char* folder = std::getenv("TMPDIR");
    g_path = std::string(folder ? folder : "/tmp") + "/corvane-fuzz-" + std::to_string(getpid()) +
             FUZZ_SUFFIX;
    std::atexit([] { std::remove(g_path.c_str()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream file(g_path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    Pointer<CastMember> member(static_cast<CastMember*>(
        RTTIClass::FindClass(FUZZ_CLASS)->GetCreateFunction()("CastMember")));
    member->SetFileName(nullptr, String(g_path));
    member->Load();
    // The debugger keeps every line; a run of millions must not pile them up.
    TVK::GetDebugger()->ClearLines();
    return 0;
}
