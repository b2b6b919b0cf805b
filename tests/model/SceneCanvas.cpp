#include "SceneCanvas.h"

#include <algorithm>
#include <gtest/gtest.h>

SceneCanvas::SceneCanvas(int width, int height) : m_nWidth(width), m_nHeight(height) {
    m_dc.CreateCompatibleDC(nullptr);
    m_bitmap.CreateCompatibleBitmap(&m_dc, width, height);
    m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_BITMAP | PFD_SUPPORT_OPENGL;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = 32;
    format.cDepthBits = 24;
    EXPECT_TRUE(SetPixelFormat(&m_dc, ChoosePixelFormat(&m_dc, &format), &format));
    m_hRC = wglCreateContext(&m_dc);
    EXPECT_TRUE(m_hRC);
    EXPECT_TRUE(wglMakeCurrent(&m_dc, m_hRC));
    m_font.CreateFont(12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Impact");
    m_dc.SelectObject(&m_font);
    EXPECT_TRUE(wglUseFontOutlines(&m_dc, 0, 255, 1000, 0.0f, 0.25f, WGL_FONT_POLYGONS, nullptr));
    glViewport(0, 0, width, height);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
}

SceneCanvas::~SceneCanvas() {
    glDeleteLists(1000, 256);
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(m_hRC);
    m_dc.SelectObject(m_pOldBitmap);
}

void SceneCanvas::SetFrontProjection() {
    glOrtho(-m_nWidth * 0.02, m_nWidth * 0.02, -m_nHeight * 0.02, m_nHeight * 0.02, -m_nWidth,
            m_nWidth);
}

void SceneCanvas::BeginFrontView() {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    SetFrontProjection();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslated(0, 0, -15);
}

std::uint32_t SceneCanvas::Pixel(int x, int y) {
    glFinish();
    std::uint8_t rgba[4] = {};
    glReadPixels(x, m_nHeight - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return rgba[0] | (rgba[1] << 8) | (rgba[2] << 16);
}

std::vector<int> SceneCanvas::ReadHits(int hits) {
    if (hits < 0)
        return {-1};
    std::vector<std::pair<GLuint, int>> found; // nearest depth, name
    for (int i = 0; i < hits; ++i) {
        EXPECT_EQ(m_selection[i * 4], 1u) << "every hit carries exactly one name";
        found.emplace_back(m_selection[i * 4 + 1], static_cast<int>(m_selection[i * 4 + 3]));
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<int> names;
    for (const auto& hit : found)
        names.push_back(hit.second);
    return names;
}
