#include "viewer/ViewerWnd.h"

#include "framework/Debugger.h"
#include "framework/SharedObjects.h"
#include "host/Player.h"
#include "platform/gdi/CClientDC.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPaintDC.h"
#include "platform/gl/Wgl.h"

#include <QCoreApplication>

namespace {

// The outline-font glyphs of character codes 0 to 254 are display lists 1000
// to 1254: the project model draws text with them.
constexpr DWORD kFontListBase = 1000;
constexpr DWORD kFontGlyphCount = 255;
constexpr GLsizei kFontListRange = 256;

} // namespace

BOOL ViewerWnd::CreateViewer(LPCSTR lpszTitle, int nWidth, int nHeight) {
    LPCSTR className = AfxRegisterWndClass(CS_OWNDC | CS_HREDRAW | CS_VREDRAW);
    return CreateEx(0, className, lpszTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                    CRect(0, 0, nWidth, nHeight), nullptr, 0);
}

void ViewerWnd::SetDCPixelFormat(HDC hdc) {
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof(PIXELFORMATDESCRIPTOR);
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 32;
    pfd.cDepthBits = 32;
    pfd.cStencilBits = 8;
    pfd.iLayerType = PFD_MAIN_PLANE;
    SetPixelFormat(hdc, ChoosePixelFormat(hdc, &pfd), &pfd);
}

int ViewerWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_hDC = ::GetDC(GetSafeHwnd());
    if (!m_hDC)
        return -1;
    CFont font;
    font.CreateFont(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                    "Impact");
    CFont* pOldFont = m_hDC->SelectObject(&font);
    SetDCPixelFormat(m_hDC);
    m_hRC = wglCreateContext(m_hDC);
    if (!m_hRC) {
        m_hDC->SelectObject(pOldFont);
        TVK::GetDebugger()->PrintError("Unable to create the viewer's OpenGL context\n");
        return -1;
    }
    wglMakeCurrent(m_hDC, m_hRC);
    if (!wglUseFontOutlines(m_hDC, 0, kFontGlyphCount, kFontListBase, 0.0f, 0.25f,
                            WGL_FONT_POLYGONS, nullptr))
        TVK::GetDebugger()->PrintError("Unable to build the viewer's outline font\n");
    m_hDC->SelectObject(pOldFont);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    wglMakeCurrent(nullptr, nullptr);
    return 0;
}

void ViewerWnd::OnDestroy() {
    CWnd::OnDestroy();
    if (m_hRC) {
        wglMakeCurrent(m_hDC, m_hRC);
        glDeleteLists(kFontListBase, kFontListRange);
        glFinish();
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(m_hRC);
        m_hRC = nullptr;
    }
    if (m_hDC) {
        ::ReleaseDC(GetSafeHwnd(), m_hDC);
        m_hDC = nullptr;
    }
    QCoreApplication::exit(0);
}

void ViewerWnd::OnPaint() {
    CPaintDC dc(this);
    wglMakeCurrent(m_hDC, m_hRC);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    Pointer<Player> player = GetSharedObjects()->GetObjectA("Player").As<Player>("Player");
    if (player) {
        player->ApplyCamera();
        player->Draw(false);
    }
    glFlush();
    glFinish();
    SwapBuffers(m_hDC);
    wglMakeCurrent(nullptr, nullptr);
}

void ViewerWnd::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    if (cy <= 0)
        return;
    wglMakeCurrent(m_hDC, m_hRC);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(cx) / static_cast<double>(cy), 0.1, 100.0);
    glViewport(0, 0, cx, cy);
    glMatrixMode(GL_MODELVIEW);
    wglMakeCurrent(nullptr, nullptr);
}

BOOL ViewerWnd::OnEraseBkgnd(CDC*) {
    return TRUE;
}
