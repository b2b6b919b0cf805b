#pragma once

// The WGL vocabulary: pixel format descriptors, rendering-context handles and
// outline-font metrics, with their Windows layout and values.

#include "platform/WinTypes.h"

class GLContext;

// A rendering-context handle is the context itself.
using HGLRC = GLContext*;
using FLOAT = float;

typedef struct tagPIXELFORMATDESCRIPTOR {
    WORD nSize;
    WORD nVersion;
    DWORD dwFlags;
    BYTE iPixelType;
    BYTE cColorBits;
    BYTE cRedBits;
    BYTE cRedShift;
    BYTE cGreenBits;
    BYTE cGreenShift;
    BYTE cBlueBits;
    BYTE cBlueShift;
    BYTE cAlphaBits;
    BYTE cAlphaShift;
    BYTE cAccumBits;
    BYTE cAccumRedBits;
    BYTE cAccumGreenBits;
    BYTE cAccumBlueBits;
    BYTE cAccumAlphaBits;
    BYTE cDepthBits;
    BYTE cStencilBits;
    BYTE cAuxBuffers;
    BYTE iLayerType;
    BYTE bReserved;
    DWORD dwLayerMask;
    DWORD dwVisibleMask;
    DWORD dwDamageMask;
} PIXELFORMATDESCRIPTOR, *LPPIXELFORMATDESCRIPTOR;
static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40,
              "PIXELFORMATDESCRIPTOR keeps its Windows layout");

// Pixel format flags.
inline constexpr DWORD PFD_DOUBLEBUFFER = 0x00000001;
inline constexpr DWORD PFD_STEREO = 0x00000002;
inline constexpr DWORD PFD_DRAW_TO_WINDOW = 0x00000004;
inline constexpr DWORD PFD_DRAW_TO_BITMAP = 0x00000008;
inline constexpr DWORD PFD_SUPPORT_GDI = 0x00000010;
inline constexpr DWORD PFD_SUPPORT_OPENGL = 0x00000020;
inline constexpr DWORD PFD_GENERIC_FORMAT = 0x00000040;
inline constexpr DWORD PFD_NEED_PALETTE = 0x00000080;
inline constexpr DWORD PFD_NEED_SYSTEM_PALETTE = 0x00000100;
inline constexpr DWORD PFD_SWAP_EXCHANGE = 0x00000200;
inline constexpr DWORD PFD_SWAP_COPY = 0x00000400;
inline constexpr DWORD PFD_SWAP_LAYER_BUFFERS = 0x00000800;
inline constexpr DWORD PFD_GENERIC_ACCELERATED = 0x00001000;
inline constexpr DWORD PFD_DEPTH_DONTCARE = 0x20000000;
inline constexpr DWORD PFD_DOUBLEBUFFER_DONTCARE = 0x40000000;
inline constexpr DWORD PFD_STEREO_DONTCARE = 0x80000000;

// Pixel types and layers.
inline constexpr BYTE PFD_TYPE_RGBA = 0;
inline constexpr BYTE PFD_TYPE_COLORINDEX = 1;
inline constexpr BYTE PFD_MAIN_PLANE = 0;

// wglUseFontOutlines formats.
inline constexpr int WGL_FONT_LINES = 0;
inline constexpr int WGL_FONT_POLYGONS = 1;

typedef struct _POINTFLOAT {
    FLOAT x;
    FLOAT y;
} POINTFLOAT;

typedef struct _GLYPHMETRICSFLOAT {
    FLOAT gmfBlackBoxX;
    FLOAT gmfBlackBoxY;
    POINTFLOAT gmfptGlyphOrigin;
    FLOAT gmfCellIncX;
    FLOAT gmfCellIncY;
} GLYPHMETRICSFLOAT, *LPGLYPHMETRICSFLOAT;
