#include "app/AboutBox.h"

#include "framework/PluginManager.h"

#include <QtGlobal>

#include <filesystem>

std::string AboutBox::Text() {
    std::string text = "Corvane " CORVANE_VERSION "\nAuthoring of interactive 3D projects\n\n";
    // Qt is asked at run time: the library loaded may be newer than the
    // one built against.
    text += std::string("Libraries: Qt ") + qVersion() + ", " CORVANE_LIBRARIES "\n\n";
    text += "Plug-ins loaded:";
    const std::vector<std::string>& libraries = GetPluginManager()->GetLoadedLibraries();
    if (libraries.empty())
        text += " none";
    for (const std::string& path : libraries)
        text += "\n" + std::filesystem::path(path).filename().string();
    return text;
}
