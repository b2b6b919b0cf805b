#include "platform/gl/GLSurface.h"

#include "platform/CWnd.h"
#include "platform/gdi/CDC.h"
#include "platform/gl/GLContext.h"

#include <GL/osmesa.h>
#include <QImage>

#include <algorithm>

GLSurface::GLSurface(CDC& dc) : m_dc(dc) {}

GLSurface::~GLSurface() {
    if (m_pBound)
        GLContext::ReleaseCurrent();
}

bool GLSurface::SetPixelFormat(int nPixelFormat) {
    if (m_nPixelFormat != 0)
        return m_nPixelFormat == nPixelFormat;
    m_nPixelFormat = nPixelFormat;
    return true;
}

bool GLSurface::Bind(GLContext& context, OSMesaContext handle) {
    if (m_pBound)
        glFinish();
    void* pPixels = nullptr;
    int nRowLength = 0;
    std::shared_ptr<QImage> pImage;
    if (CWnd* pWnd = m_dc.GetWindow()) {
        RECT client{};
        pWnd->GetClientRect(&client);
        const int nWidth = std::max<int>(client.right - client.left, 1);
        const int nHeight = std::max<int>(client.bottom - client.top, 1);
        if (nWidth != m_nWidth || nHeight != m_nHeight) {
            m_backBuffer.assign(static_cast<size_t>(nWidth) * nHeight, 0xFF000000);
            m_nWidth = nWidth;
            m_nHeight = nHeight;
        }
        pPixels = m_backBuffer.data();
        nRowLength = m_nWidth;
    } else {
        pImage = m_dc.GetBitmapImage();
        if (!pImage || pImage->isNull())
            return false;
        pPixels = pImage->bits();
        m_nWidth = pImage->width();
        m_nHeight = pImage->height();
        nRowLength = static_cast<int>(pImage->bytesPerLine() / 4);
    }
    if (!OSMesaMakeCurrent(handle, pPixels, GL_UNSIGNED_BYTE, m_nWidth, m_nHeight))
        return false;
    // The bitmap's pixels stay alive while OpenGL may write them.
    m_pBoundImage = std::move(pImage);
    // Rows top-down, as the images are.
    OSMesaPixelStore(OSMESA_Y_UP, 0);
    OSMesaPixelStore(OSMESA_ROW_LENGTH, nRowLength);
    m_pBound = &context;
    return true;
}

void GLSurface::Unbound() {
    m_pBound = nullptr;
    m_pBoundImage.reset();
}

void GLSurface::FinishRendering() {
    if (m_pBound && !m_dc.GetWindow())
        glFinish();
}

void GLSurface::TargetChanged() {
    if (m_pBound && !m_dc.GetWindow())
        m_pBound->MakeCurrent(*this);
}

bool GLSurface::SwapBuffers() {
    if (m_nPixelFormat == 0)
        return false;
    if (m_pBound)
        glFinish();
    CWnd* pWnd = m_dc.GetWindow();
    if (!pWnd)
        return true; // a bitmap has no second buffer
    QImage& surface = pWnd->GetSurface();
    const int nWidth = std::min(m_nWidth, surface.width());
    const int nHeight = std::min(m_nHeight, surface.height());
    for (int y = 0; y < nHeight; ++y) {
        const std::uint32_t* pFrom = m_backBuffer.data() + static_cast<size_t>(y) * m_nWidth;
        auto* pTo = reinterpret_cast<std::uint32_t*>(surface.scanLine(y));
        // The window has no alpha: every pixel is opaque.
        for (int x = 0; x < nWidth; ++x)
            pTo[x] = pFrom[x] | 0xFF000000;
    }
    pWnd->PresentSurface();
    return true;
}
