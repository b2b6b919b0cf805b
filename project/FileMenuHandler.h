#pragma once

#include "framework/PluginClass.h"
#include "framework/StaticInstancePlugin.h"
#include "host/MenuHandler.h"

// The project commands of the "&File" menu: New, Open, Save, Save As of .qmx
// files, and Generate EXE. It keeps no state: the file name is the project's.
// Every command stops playback first.
class FileMenuHandler : public MenuHandler, public StaticInstancePlugin {
  public:
    CORVANE_DECLARE_CLASS();

    // The handler's own numbers for its items.
    enum Cookie { kNew = 1, kOpen = 2, kSave = 3, kSaveAs = 4, kGenerateEXE = 5 };

    void* FindInterface(const char* name) override;

    void ExecuteMenuItem(int cookie) override;

    void Initialize() override;
    void Shutdown() override {}
    StringList GetRequiredInterfaces() override {
        return {"MenuManager", "AcceleratorManager", "Project"};
    }

  private:
    void New();
    void Open();
    void Save();
    void SaveAs();
    void GenerateEXE();
};
