#include "ModelTestSupport.h"

#include "framework/BasePlugin.h"
#include "framework/PluginManager.h"
#include "framework/RTTIClass.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"

#include <QImage>

namespace {

class MediaTest : public MediaModelTest {
  protected:
    // Loads a file that must fail; the debugger line names the file and the problem.
    void ExpectLoadFails(const char* className, const std::filesystem::path& file,
                         const char* problem) {
        auto member = NewCastMember(className, file.string());
        TVK::GetDebugger()->ClearLines();
        EXPECT_FALSE(member->Load()) << file;
        ASSERT_FALSE(TVK::GetDebugger()->GetLines().empty());
        const std::string& line = TVK::GetDebugger()->GetLines().back();
        EXPECT_NE(line.find("\"" + file.string() + "\""), std::string::npos) << line;
        EXPECT_NE(line.find(problem), std::string::npos) << line;
    }

    // Draws a thumbnail on white and counts the pixels it changed inside and
    // outside the area.
    std::pair<int, int> Thumbnail(const Pointer<CastMember>& member) {
        CDC target, scratch;
        target.CreateCompatibleDC(nullptr);
        scratch.CreateCompatibleDC(&target);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&target, 80, 80);
        CBitmap* old = target.SelectObject(&bitmap);
        target.FillSolidRect(0, 0, 80, 80, RGB(255, 255, 255));
        member->DrawThumbnail(&target, &scratch, RECT{10, 10, 70, 60});
        std::pair<int, int> changed{0, 0};
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 80; ++x)
                if (target.GetPixel(x, y) != RGB(255, 255, 255))
                    ++(x >= 10 && x < 70 && y >= 10 && y < 60 ? changed.first : changed.second);
        target.SelectObject(old);
        return changed;
    }
};

TEST_F(MediaTest, EveryClassIsAPlugInOfItsKindAndTheLibraryListsItsOwnForViewers) {
    using ListFunction = const char* (*)();
    auto list = reinterpret_cast<ListFunction>(GetPluginManager()->GetSymbol(
        CORVANE_APP_DIR "/Plugins/CorvaneMedia.dll", "GetProjectorPluginList"));
    ASSERT_NE(list, nullptr);
    EXPECT_STREQ(list(), "MeshCM\nImageCM\nTextCM\n");
    const std::pair<const char*, const char*> classes[] = {
        {"MeshCM", "CastMember"},  {"ImageCM", "CastMember"},  {"TextCM", "CastMember"},
        {"LightCM", "CastMember"}, {"DummyCM", "CastMember"},  {"Actor", "Instance"},
        {"Light", "Instance"},     {"FrameScript", "Instance"}};
    for (auto [name, kind] : classes) {
        const RTTIClass* record = RTTIClass::FindClass(name);
        ASSERT_NE(record, nullptr) << name;
        EXPECT_EQ(record->GetName().str(), name);
        EXPECT_TRUE(record->GetSupportsFunction()(kind)) << name;
        EXPECT_TRUE(record->GetSupportsFunction()("BasePlugin")) << name;
        const char* other = std::string(kind) == "Instance" ? "CastMember" : "Instance";
        EXPECT_FALSE(record->GetSupportsFunction()(other)) << name;
        Pointer<BasePlugin> plugin(
            static_cast<BasePlugin*>(record->GetCreateFunction()("BasePlugin")));
        ASSERT_TRUE(plugin) << name;
        EXPECT_EQ(plugin->GetClass(), record);
        EXPECT_NE(plugin->FindInterface(name), nullptr) << name;
    }
}

TEST_F(MediaTest, CastMembersListTheirFileTypesAndNameThemselvesAfterTheirFile) {
    auto mesh = NewCastMember("MeshCM", "/some/where/Robot.obj");
    EXPECT_EQ(mesh->GetName().str(), "Robot.obj");
    EXPECT_EQ(mesh->GetFileTypes()[0].str(), "Wavefront Mesh (*.obj)\n*.obj");
    auto image = NewCastMember("ImageCM");
    ASSERT_EQ(image->GetFileTypes().GetCount(), 3);
    EXPECT_EQ(image->GetFileTypes()[1].str(), "JPEG Image (*.jpg)\n*.jpg");
    EXPECT_EQ(NewCastMember("TextCM", "C:\\texts\\title.txt")->GetName().str(), "title.txt");
    auto light = NewCastMember("LightCM");
    EXPECT_EQ(light->GetName().str(), "Light");
    EXPECT_EQ(light->GetFileTypes().GetCount(), 0);
    EXPECT_TRUE(light->Load());
    EXPECT_EQ(NewCastMember("DummyCM")->GetFileTypes().GetCount(), 0);
}

TEST_F(MediaTest, MissingOrDamagedFilesFailWithADebuggerLineNamingFileAndProblem) {
    ExpectLoadFails("MeshCM", m_folder / "absent.obj", "no such file");
    ExpectLoadFails("MeshCM", m_folder.Write("holes.obj", "v 0 0 0\nv 1 0 0\nf 1 2 7\n"), "vertex");
    ExpectLoadFails("MeshCM", m_folder.Write("flat.obj", "v 0 0 0\n"), "no faces");
    ExpectLoadFails("MeshCM", m_folder.Path(), "not a file");
    ExpectLoadFails("ImageCM", m_folder.Write("broken.png", "\x89PNG\r\n\x1a\n not really"),
                    "not a readable image");
    ExpectLoadFails("TextCM", m_folder.Write("blank.txt", "\n\n"), "no text");
    ExpectLoadFails("TextCM", m_folder.Write("long.txt", std::string(70000, 'a')), "too long");
    ExpectLoadFails("TextCM", m_folder.Write("binary.txt", std::string("ab\0\x01", 4)),
                    "not a text file");
}

// Meshes as exporters write them load; files with nothing to draw are
// refused and the mesh keeps its last good content.
TEST_F(MediaTest, MeshesAsExportersWriteThemLoadAndFilesWithNothingToDrawAreRefused) {
    const std::string triangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n";
    const std::tuple<const char*, std::string, const char*> files[] = {
        {"plain.obj", triangle, ""},
        {"normals_uv.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvn 0 0 1\nf 1/1/1 2/1/1 3/1/1\n",
         ""},
        {"missing_uv.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1/7 2/7 3/7\n", ""},
        {"quad_crlf.obj", "v 0 0 0\r\nv 1 0 0\r\nv 1 1 0\r\nv 0 1 0\r\nf 1 2 3 4\r\n", ""},
        {"concave.obj", "v 0 0 0\nv 4 0 0\nv 4 4 0\nv 2 1 0\nv 0 4 0\nf 1 2 3 4 5\n", ""},
        {"numbers.obj", "v 1e0 +.5 5.\nv -.5E+1 0 1\nv 1 1 1\nf -3 -2 -1\n", ""},
        {"materials.obj", "mtllib nowhere.mtl\nusemtl steel\n" + triangle, ""},
        {"bom.obj", "\xEF\xBB\xBF" + triangle, ""},
        {"long_lines.obj", "# " + std::string(300000, 'x') + "\n" + triangle, ""},
        {"degenerate.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2\nf 1 2 3\n", ""},
        {"empty.obj", "", "it is empty"},
        {"points.obj", "v 0 0 0\nv 1 0 0\np 1 2\n", "only points or lines"},
        {"lines.obj", "v 0 0 0\nv 1 0 0\nl 1 2\n", "only points or lines"},
        {"utf16.obj", std::string("\xFF\xFEv\0 \0001\0", 9), "UTF-16"},
        {"binary.obj", std::string("v 0 0 0\0\x01\x02", 10), "not a text file"},
        {"huge.obj", "v 1e999 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n", "too large"},
    };
    const auto good = m_folder.Write("good.obj", triangle);
    for (const auto& [name, text, problem] : files) {
        auto path = m_folder.Write(name, text);
        auto mesh = NewCastMember("MeshCM", (*problem ? good : path).string());
        if (*problem) {
            ExpectLoadFails("MeshCM", path, problem);
            ASSERT_TRUE(mesh->Load());
            mesh->SetFileName({}, String(path.string()));
        }
        EXPECT_EQ(mesh->Load(), !*problem) << name;
        EXPECT_GT(Thumbnail(mesh).first, 0) << name;
    }
}

TEST_F(MediaTest, ImagesOfEveryListedTypeLoadAndThumbnailsDrawInsideTheirArea) {
    auto mesh = NewCastMember(
        "MeshCM", m_folder.Write("t.obj", "v 0 0 0\nv 1 0 0\nv 0 1 1\nf 1 2 3\n").string());
    ASSERT_TRUE(mesh->Load());
    QImage picture(30, 10, QImage::Format_RGB32);
    picture.fill(QColor(0, 128, 0));
    Pointer<CastMember> image;
    for (const char* format : {"png", "jpg", "bmp"}) {
        auto file = m_folder / (std::string("green.") + format);
        ASSERT_TRUE(picture.save(QString::fromStdString(file.string()), format)) << format;
        image = NewCastMember("ImageCM", file.string());
        EXPECT_TRUE(image->Load()) << format;
    }
    auto text = NewCastMember("TextCM", m_folder.Write("t.txt", "Hi").string());
    ASSERT_TRUE(text->Load());
    for (const auto& member :
         {mesh, image, text, NewCastMember("LightCM"), NewCastMember("DummyCM")}) {
        auto [inside, outside] = Thumbnail(member);
        EXPECT_GT(inside, 5) << member->GetClass()->GetName().str();
        EXPECT_EQ(outside, 0) << member->GetClass()->GetName().str();
    }
    // The picture keeps its proportions: 60 x 20 in the middle of 60 x 50.
    EXPECT_EQ(Thumbnail(image).first, 60 * 20);
}

TEST_F(MediaTest, EachInstanceClassAcceptsItsOwnCastMembers) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"Actor", "MeshCM", true},        {"Actor", "ImageCM", true},
        {"Actor", "TextCM", true},        {"Actor", "LightCM", false},
        {"Actor", "DummyCM", false},      {"Light", "LightCM", true},
        {"Light", "MeshCM", false},       {"FrameScript", "DummyCM", true},
        {"FrameScript", "LightCM", false}};
    for (auto [instance, member, accepted] : cases)
        EXPECT_EQ(NewInstance(instance, nullptr)->AcceptsCastMember(NewCastMember(member)),
                  accepted)
            << instance << " " << member;
}

} // namespace
