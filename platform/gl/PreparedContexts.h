#pragma once

typedef struct osmesa_context* OSMesaContext;

// OSMesa contexts made ahead in another thread while the program starts
// (RendererWarmUp), handed out by pixel format. Never current anywhere until
// handed out, so each starts as a new context would. While they are being
// made, taking one waits: one thread at a time makes contexts.
class PreparedContexts {
  public:
    // Contexts are being made until Finish.
    static void Begin();
    static void Add(int nPixelFormat, OSMesaContext context);
    static void Finish();
    // A context made for the pixel format, null when none is left.
    static OSMesaContext Take(int nPixelFormat);
    // Destroys the contexts nobody took.
    static void DestroyRest();
};
