#include "ModelTestSupport.h"
#include "SceneCanvas.h"

#include <QImage>
#include <QPainter>

namespace {

// A unit cube around the origin, its faces wound to face outwards.
const char* const kCube = "# a unit cube\n"
                          "v -0.5 -0.5 -0.5\nv 0.5 -0.5 -0.5\nv 0.5 0.5 -0.5\nv -0.5 0.5 -0.5\n"
                          "v -0.5 -0.5 0.5\nv 0.5 -0.5 0.5\nv 0.5 0.5 0.5\nv -0.5 0.5 0.5\n"
                          "f 1 4 3 2\nf 5 6 7 8\nf 1 2 6 5\nf 4 8 7 3\nf 1 5 8 4\nf 2 3 7 6\n";

class PlayerTest : public MediaModelTest {
  protected:
    void SetUp() override {
        MediaModelTest::SetUp();
        m_pCube = NewCastMember("MeshCM", m_folder.Write("cube.obj", kCube).string());
        ASSERT_TRUE(m_pCube->Load());
    }

    Pointer<Instance> Cube(int start, int stop, double x, const char* red, const char* green,
                           const char* blue) {
        auto cube = Place("Actor", m_pCube, 1 + static_cast<int>(m_nRows++), start, stop);
        Set(cube, "TranslateX", std::to_string(x));
        Set(cube, "Red", red);
        Set(cube, "Green", green);
        Set(cube, "Blue", blue);
        return cube;
    }

    void Draw() {
        m_canvas.BeginFrontView();
        m_pPlayer->Draw(false);
    }

    // Screen pixel of a scene point in the front view.
    static int X(double x) { return 320 + static_cast<int>(x * 25); }
    static int Y(double y) { return 240 - static_cast<int>(y * 25); }

    SceneCanvas m_canvas{640, 480};
    Pointer<CastMember> m_pCube;
    size_t m_nRows = 0;
};

TEST_F(PlayerTest, DrawsTheInstancesAliveAtTheCurrentFrameInTheirColoursAndTransforms) {
    Cube(1, 10, 2, "1", "0", "0");
    Cube(5, 10, -2, "0", "1", "0");
    Draw();
    auto red = m_canvas.Pixel(X(2), Y(0));
    EXPECT_GT(SceneCanvas::Red(red), 150);
    EXPECT_LT(SceneCanvas::Green(red), 30);
    EXPECT_EQ(m_canvas.Pixel(X(-2), Y(0)), 0u);
    EXPECT_EQ(m_canvas.Pixel(X(0), Y(0)), 0u);

    m_pPlayer->SetCurrentFrame(5);
    Draw();
    EXPECT_GT(SceneCanvas::Green(m_canvas.Pixel(X(-2), Y(0))), 150);
    m_pPlayer->SetCurrentFrame(11);
    Draw();
    EXPECT_EQ(m_canvas.Pixel(X(2), Y(0)), 0u);

    m_pPlayer->SetCurrentFrame(1);
    auto cube = Cube(1, 10, 0, "1", "1", "1");
    Set(cube, "TranslateY", "3");
    Set(cube, "ScaleX", "4");
    Draw();
    EXPECT_NE(m_canvas.Pixel(X(1.8), Y(3)), 0u);
    EXPECT_EQ(m_canvas.Pixel(X(2.2), Y(3)), 0u);
    Set(cube, "RotationZ", "90");
    Draw();
    EXPECT_EQ(m_canvas.Pixel(X(1.8), Y(3)), 0u);
    EXPECT_NE(m_canvas.Pixel(X(0), Y(4.8)), 0u);
}

TEST_F(PlayerTest, TheProjectsLightsLightTheScene) {
    Cube(1, 10, 0, "1", "1", "1");
    Draw();
    auto plain = m_canvas.Pixel(X(0.3), Y(0.3));
    EXPECT_EQ(SceneCanvas::Red(plain), SceneCanvas::Blue(plain)); // the white default light
    EXPECT_GT(SceneCanvas::Red(plain), 100);

    auto light = Place("Light", NewCastMember("LightCM"), 5, 1, 10);
    Set(light, "TranslateZ", "5");
    Set(light, "Red", "0");
    Set(light, "Green", "0");
    Set(light, "Blue", "1");
    Draw();
    auto lit = m_canvas.Pixel(X(0.3), Y(0.3));
    EXPECT_GT(SceneCanvas::Blue(lit), SceneCanvas::Red(lit) + 100);
    auto marker = m_canvas.Pixel(X(0), Y(0)); // the light's own marker, unlit
    EXPECT_EQ(SceneCanvas::Blue(marker), 255);
    EXPECT_EQ(SceneCanvas::Red(marker), 0);
}

TEST_F(PlayerTest, PickingNamesEachPickableInstanceAndFindsTheNearest) {
    auto back = Cube(1, 10, 0, "1", "1", "1");
    auto front = Cube(1, 10, 0.4, "1", "1", "1");
    Set(front, "TranslateZ", "2");
    Place("FrameScript", NewCastMember("DummyCM"), 9, 1, 1);
    Cube(20, 30, 0, "1", "1", "1"); // not alive at frame 1

    auto draw = [this] { m_pPlayer->Draw(true); };
    std::vector<int> hits = m_canvas.Pick(X(0.2), Y(0), draw);
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_TRUE(m_pPlayer->GetInstanceForName(hits[0]) == front);
    EXPECT_TRUE(m_pPlayer->GetInstanceForName(hits[1]) == back);
    hits = m_canvas.Pick(X(-0.3), Y(0), draw);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_TRUE(m_pPlayer->GetInstanceForName(hits[0]) == back);
    EXPECT_TRUE(m_canvas.Pick(X(5), Y(5), draw).empty());

    EXPECT_FALSE(m_pPlayer->GetInstanceForName(-1));
    EXPECT_FALSE(m_pPlayer->GetInstanceForName(2)); // the frame script got no name
}

TEST_F(PlayerTest, ApplyCameraMultipliesTheProjectCameraOntoTheCurrentMatrix) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 2, 12, 0, 0, 0, 0, 1, 0);
    GLdouble expected[16], actual[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, expected);
    glLoadIdentity();
    m_pPlayer->ApplyCamera();
    glGetDoublev(GL_MODELVIEW_MATRIX, actual);
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-6);
}

TEST_F(PlayerTest, ImagesShowAsTexturedQuads) {
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 0));
    QPainter(&picture).fillRect(20, 0, 20, 20, QColor(0, 0, 255));
    auto file = m_folder / "halves.png";
    ASSERT_TRUE(picture.save(QString::fromStdString(file.string())));
    auto image = NewCastMember("ImageCM", file.string());
    ASSERT_TRUE(image->Load());
    Place("Actor", image, 1, 1, 10);
    Draw();
    auto left = m_canvas.Pixel(X(-1), Y(0));
    auto right = m_canvas.Pixel(X(1), Y(0));
    EXPECT_GT(SceneCanvas::Red(left), SceneCanvas::Blue(left) + 120);
    EXPECT_GT(SceneCanvas::Blue(right), SceneCanvas::Red(right) + 120);
    EXPECT_EQ(m_canvas.Pixel(X(2.2), Y(0)), 0u); // two units high, twice as wide
    EXPECT_NE(m_canvas.Pixel(X(1.9), Y(0)), 0u);
}

TEST_F(PlayerTest, TextIsDrawnWithTheWindowsOutlineFontLists) {
    auto text = NewCastMember("TextCM", m_folder.Write("word.txt", "H\n").string());
    ASSERT_TRUE(text->Load());
    auto instance = Place("Actor", text, 1, 1, 10);
    Set(instance, "ScaleX", "4");
    Set(instance, "ScaleY", "4");
    Draw();
    int lit = 0;
    for (int y = Y(3); y <= Y(0.1); y += 5)
        for (int x = X(0); x <= X(3); x += 5)
            lit += m_canvas.Pixel(x, y) != 0;
    EXPECT_GT(lit, 10);
    EXPECT_EQ(m_canvas.Pixel(X(-1), Y(1)), 0u);
    EXPECT_EQ(m_canvas.Pick(X(-1), Y(1), [this] { m_pPlayer->Draw(true); }).size(), 0u);
}

} // namespace
