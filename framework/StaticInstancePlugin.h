#pragma once

#include "framework/BasePlugin.h"
#include "framework/StringList.h"

#include <cstring>

// A plug-in that the host creates once at start-up and keeps until shut-down.
class StaticInstancePlugin : public BasePlugin {
  public:
    virtual void Initialize() = 0;
    virtual void Shutdown() = 0;
    // Interface names of the services the plug-in uses, so that the host can
    // initialise their providers first.
    virtual StringList GetRequiredInterfaces() = 0;

  protected:
    // The names this base answers, in their order, for the FindInterface of a
    // class built on it.
    void* FindStaticInstancePluginInterface(const char* name) {
        if (!name)
            return nullptr;
        if (std::strcmp(name, "StaticInstancePlugin") == 0)
            return static_cast<StaticInstancePlugin*>(this);
        if (std::strcmp(name, "BasePlugin") == 0)
            return static_cast<BasePlugin*>(this);
        return nullptr;
    }
};
