#pragma once

#include "framework/PluginClass.h"
#include "framework/StaticInstancePlugin.h"
#include "host/MenuHandler.h"

class CastListFrame;
class OGLFrame;
class TimeLineFrame;

// The "&View" menu: opens the Camera, Top, Front and Side views, the time line
// and the cast list on Ctrl+Q, W, E, R, T and L. Each window exists at most
// once: a command opens it when it is closed and brings it to the front when
// it is open.
class ViewMenuHandler : public MenuHandler, public StaticInstancePlugin {
  public:
    CORVANE_DECLARE_CLASS();

    // The handler's own numbers for its items.
    enum Cookie { kCamera = 1, kTop = 2, kFront = 3, kSide = 4, kTimeLine = 5, kCastList = 6 };

    void* FindInterface(const char* name) override;

    void ExecuteMenuItem(int cookie) override;

    void Initialize() override;
    void Shutdown() override {}
    StringList GetRequiredInterfaces() override { return {"MenuManager", "AcceleratorManager"}; }

  private:
    void OpenSceneView(OGLFrame*& frame, const char* title, const char* viewClassName);
    void OpenTimeLine();
    void OpenCastList();

    // The open windows; each window empties its own field when it is
    // destroyed, so an empty field means that it is closed. The window
    // framework owns the windows.
    OGLFrame* m_pCameraFrame = nullptr;
    OGLFrame* m_pTopFrame = nullptr;
    OGLFrame* m_pSideFrame = nullptr;
    OGLFrame* m_pFrontFrame = nullptr;
    CastListFrame* m_pCastListFrame = nullptr;
    TimeLineFrame* m_pTimeLineFrame = nullptr;
};
