#pragma once

#include "platform/gl/DeferredGlyphLists.h"
#include "platform/gl/WglDefs.h"

typedef struct osmesa_context* OSMesaContext;

class GLSurface;

// An OpenGL rendering context (an OSMesa context) for one pixel format. At
// most one context is current in the process; while current it renders into
// the pixels of one device context (GLSurface).
class GLContext {
  public:
    // Null when OSMesa gives no context. Takes one made ahead for the pixel
    // format when there is one (PreparedContexts).
    static GLContext* Create(const PIXELFORMATDESCRIPTOR& format, int nPixelFormat);
    // A new OSMesa context for format, null when OSMesa gives none.
    static OSMesaContext NewHandle(const PIXELFORMATDESCRIPTOR& format);
    // Sets the renderer's options the user did not set: once, before the
    // first context, while no other thread reads the environment.
    static void ChooseRendererOptions();
    GLContext(const GLContext&) = delete;
    GLContext& operator=(const GLContext&) = delete;
    // Releases the context first when it is current.
    ~GLContext();

    // Whether pContext is a context that was created and not yet deleted.
    static bool IsAlive(const GLContext* pContext);
    static GLContext* GetCurrent();
    // Finishes the current context's work and makes no context current.
    static void ReleaseCurrent();

    int GetPixelFormat() const { return m_nPixelFormat; }
    GLSurface* GetSurface() const { return m_pSurface; }
    DeferredGlyphLists& GetDeferredGlyphLists() { return m_deferredGlyphLists; }
    // Makes this context current on the surface's pixels; on failure no
    // context is current.
    bool MakeCurrent(GLSurface& surface);

  private:
    GLContext(OSMesaContext context, int nPixelFormat);

    OSMesaContext m_context;
    int m_nPixelFormat;
    GLSurface* m_pSurface = nullptr; // set while current
    DeferredGlyphLists m_deferredGlyphLists;
};
