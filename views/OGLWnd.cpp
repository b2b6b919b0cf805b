#include "views/OGLWnd.h"

#include "views/OGLFrame.h"

#include "framework/Debugger.h"
#include "framework/InterfaceQuery.h"
#include "platform/Cursor.h"
#include "platform/gdi/CClientDC.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPaintDC.h"
#include "platform/gl/Wgl.h"

Semaphore* OGLWnd::m_hRCSema = nullptr;
int OGLWnd::m_nWndCount = 0;

namespace {

// The outline-font glyphs of character codes 0 to 254 are display lists 1000
// to 1254, for the scene drawing of the project model.
constexpr DWORD kFontListBase = 1000;
constexpr DWORD kFontGlyphCount = 255;
// Deleted as a block of 256, one more than was built.
constexpr GLsizei kFontListRange = 256;

constexpr GLsizei kSelectionBufferWords = 64;
// A hit record of one name: name count, minimum depth, maximum depth, name.
constexpr int kHitRecordWords = 4;

// The name of the hit nearest to the viewer; on equal depths the earlier
// record stays.
int NearestHit(const GLuint* buffer, GLint hits) {
    int name = -1;
    GLuint nearest = 0;
    for (GLint i = 0; i < hits && (i + 1) * kHitRecordWords <= kSelectionBufferWords; ++i) {
        const GLuint* record = buffer + i * kHitRecordWords;
        if (name == -1 || record[1] < nearest) {
            nearest = record[1];
            name = static_cast<int>(record[3]);
        }
    }
    return name;
}

} // namespace

OGLWnd::OGLWnd() {
    if (!m_hRCSema)
        m_hRCSema = new Semaphore(1, 1);
    ++m_nWndCount;
}

OGLWnd::~OGLWnd() {
    if (--m_nWndCount == 0) {
        delete m_hRCSema;
        m_hRCSema = nullptr;
    }
}

void* OGLWnd::FindOGLWndInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("CWnd", static_cast<CWnd*>(this))
        .Answer("OGLWnd", this)
        .Result();
}

int OGLWnd::Create(OGLFrame* parent) {
    LPCSTR className = AfxRegisterWndClass(CS_OWNDC | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
    CRect rect;
    parent->GetClientRect(&rect);
    return CreateEx(WS_EX_DLGMODALFRAME, className, "OGLWnd",
                    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, rect, parent, 0);
}

void OGLWnd::CaptureRC() {
    m_hRCSema->Wait();
    wglMakeCurrent(m_hDC, m_hRC);
}

void OGLWnd::ReleaseRC() {
    wglMakeCurrent(nullptr, nullptr);
    m_hRCSema->Release();
}

void OGLWnd::SetDCPixelFormat(HDC hdc) {
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof(PIXELFORMATDESCRIPTOR);
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER | PFD_SWAP_EXCHANGE |
                  PFD_GENERIC_ACCELERATED;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 32;
    pfd.cDepthBits = 32;
    pfd.cStencilBits = 8;
    pfd.iLayerType = PFD_MAIN_PLANE;
    SetPixelFormat(hdc, ChoosePixelFormat(hdc, &pfd), &pfd);
}

void OGLWnd::SetPerspective(int cx, int cy) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(cx) / static_cast<double>(cy), 0.1, 100.0);
    glViewport(0, 0, cx, cy);
    glMatrixMode(GL_MODELVIEW);
    m_nProjection = kPerspective;
}

void OGLWnd::SetOrtho(int cx, int cy) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-cx * 0.02, cx * 0.02, -cy * 0.02, cy * 0.02, -cx, cx);
    glViewport(0, 0, cx, cy);
    glMatrixMode(GL_MODELVIEW);
    m_nProjection = kOrthographic;
}

int OGLWnd::DetermineSelection(CPoint point) {
    m_bSelectionMode = true;
    CaptureRC();

    CRect rect;
    GetClientRect(&rect);
    const int w = rect.Width();
    const int h = rect.Height();
    GLuint buffer[kSelectionBufferWords] = {};
    glSelectBuffer(kSelectionBufferWords, buffer);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glRenderMode(GL_SELECT);
    glLoadIdentity();
    // The window's y axis runs down, OpenGL's up.
    gluPickMatrix(point.x, h - point.y, 2.0, 2.0, viewport);
    if (m_nProjection == kPerspective)
        gluPerspective(45.0, static_cast<double>(w) / static_cast<double>(h), 0.1, 100.0);
    else
        glOrtho(-w * 0.02, w * 0.02, -h * 0.02, h * 0.02, -w, w);

    glMatrixMode(GL_MODELVIEW);
    DrawScene();
    // Negative when the buffer overflowed.
    GLint hits = glRenderMode(GL_RENDER);
    int result = hits > 0 ? NearestHit(buffer, hits) : -1;

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    ReleaseRC();
    m_bSelectionMode = false;
    return result;
}

int OGLWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;

    m_hDC = ::GetDC(GetSafeHwnd());
    if (!m_hDC) {
        TVK::GetDebugger()->PrintError("***ERROR*** Unable to get COGLWnd DC\n");
        return -1;
    }

    // Selected only while the glyph lists are built from it.
    CFont font;
    font.CreateFont(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                    "Impact");
    CFont* pOldFont = m_hDC->SelectObject(&font);

    SetDCPixelFormat(m_hDC);

    m_hRC = wglCreateContext(m_hDC);
    if (!m_hRC) {
        m_hDC->SelectObject(pOldFont);
        TVK::GetDebugger()->PrintError("***ERROR*** Unable to create OpenGL context\n");
        return -1;
    }

    CaptureRC();
    if (!wglUseFontOutlines(wglGetCurrentDC(), 0, kFontGlyphCount, kFontListBase, 0.0f, 0.25f,
                            WGL_FONT_POLYGONS, nullptr))
        TVK::GetDebugger()->Print("****** ERROR WITH wglUseFont\n");
    m_hDC->SelectObject(pOldFont);
    InitializeScene();
    ReleaseRC();
    return 0;
}

void OGLWnd::OnDestroy() {
    CWnd::OnDestroy();
    // A window whose creation failed has no context, or not even a DC.
    if (m_hRC) {
        CaptureRC();
        glDeleteLists(kFontListBase, kFontListRange);
        glFinish();
        ReleaseRC();
        wglDeleteContext(m_hRC);
        m_hRC = nullptr;
    }
    if (m_hDC) {
        ::ReleaseDC(GetSafeHwnd(), m_hDC);
        m_hDC = nullptr;
    }
}

void OGLWnd::OnPaint() {
    CPaintDC dc(this);
    CaptureRC();
    DrawScene();
    SwapBuffers(m_hDC);
    ReleaseRC();
}

void OGLWnd::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    CaptureRC();
    ResizeScene(cx, cy);
    ReleaseRC();
}

BOOL OGLWnd::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void OGLWnd::OnMouseMove(UINT nFlags, CPoint point) {
    CWnd::OnMouseMove(nFlags, point);
    // Handlers that want another cursor set it after this.
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
}
