// The classes of this library that a viewer needs, one name a line, in the
// format of the module's own plug-in list. Its presence marks the library as
// viewer-capable.
extern "C" __attribute__((visibility("default"))) const char* GetProjectorPluginList() {
    return "MeshCM\nImageCM\nTextCM\n";
}
