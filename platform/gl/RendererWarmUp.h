#pragma once

#include <thread>

// Work the first windows wait for, done in a thread of its own while the
// program starts, as the machine has a second core and start-up uses one:
// reading the font configuration (the toolkit's and the device contexts'
// fonts), opening the renderer (RendererLibrary) and making the contexts the
// first windows will ask for (PreparedContexts). Joins the thread when
// destroyed and destroys the contexts nobody took.
class RendererWarmUp {
  public:
    // nWindowContexts: how many contexts of the window pixel format to make.
    explicit RendererWarmUp(int nWindowContexts);
    RendererWarmUp(const RendererWarmUp&) = delete;
    RendererWarmUp& operator=(const RendererWarmUp&) = delete;
    ~RendererWarmUp();

  private:
    std::thread m_thread;
};
