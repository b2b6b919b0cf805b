#include "app/AboutBox.h"
#include "app/DefaultLayout.h"
#include "app/HostApplication.h"
#include "app/MainFrame.h"
#include "app/MenuDriver.h"
#include "app/SessionRunner.h"

#include "framework/Debugger.h"
#include "platform/CMDIChildWnd.h"
#include "platform/IconResource.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include <map>

namespace {

std::string TitleOf(CWnd* window) {
    String title;
    window->GetWindowText(title);
    return title.str();
}

// The tool as it starts for a person: the real module and model from the
// application folder.
class WorkspaceTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        TVK::GetDebugger()->ClearLines();
        m_host.Start(CORVANE_APP_DIR "/Plugins/", true);
        SessionRunner::ProcessPendingEvents();
    }

    MainFrame& Frame() { return *m_host.GetMainFrame(); }
    QString SettingsFile() const { return m_folder.filePath("workspace.ini"); }
    void Choose(const std::vector<std::string>& texts) {
        MenuDriver driver(Frame());
        driver.Choose(driver.FindCommand(texts));
        SessionRunner::ProcessPendingEvents();
    }
    void Close(const char* title) {
        Frame().FindChildFrame(title)->GetSubWindow()->close();
        SessionRunner::ProcessPendingEvents();
    }
    // Title to sub-window rectangle, and the titles bottom of the stack first.
    static std::map<std::string, QRect> PlacesIn(MainFrame& frame) {
        std::map<std::string, QRect> places;
        for (CMDIChildWnd* child : frame.GetChildFrames())
            places[TitleOf(child)] = child->GetSubWindow()->geometry();
        return places;
    }
    static std::vector<std::string> Stack(MainFrame& frame) {
        std::vector<std::string> titles;
        for (CMDIChildWnd* child : frame.GetChildFrames())
            titles.push_back(TitleOf(child));
        return titles;
    }
    std::map<std::string, QRect> DefaultPlaces() {
        std::map<std::string, QRect> places;
        for (const auto& place : DefaultLayout::Compute(Frame().GetMDIArea()->viewport()->size()))
            places[place.pszTitle] = place.rect;
        return places;
    }

    QTemporaryDir m_folder;
    HostApplication m_host;
};

TEST_F(WorkspaceTest, DefaultLayoutTilesTheMDIAreaAndReopensClosedViewsInTheirPlaces) {
    Frame().OpenWorkspace(SettingsFile()); // no file yet: the default workspace
    ASSERT_EQ(PlacesIn(Frame()), DefaultPlaces());
    for (QSize size : {QSize(1024, 768), QSize(1600, 1000)}) {
        Close("Top");
        Frame().FindChildFrame("Side")->GetSubWindow()->move(5, 5);
        Frame().GetMainWindow()->resize(size);
        SessionRunner::ProcessPendingEvents();
        Choose({"&Window", "Default &Layout"});

        std::map<std::string, QRect> places = PlacesIn(Frame());
        ASSERT_EQ(places, DefaultPlaces()) << size.width();
        QRect area = Frame().GetMDIArea()->viewport()->rect();
        int covered = 0;
        for (const auto& [title, rect] : places) {
            EXPECT_TRUE(area.contains(rect)) << title << " at " << size.width();
            covered += rect.width() * rect.height();
        }
        EXPECT_EQ(covered, area.width() * area.height());
        for (const char* view : {"Top", "Front", "Side"})
            EXPECT_EQ(places[view].size(), places["Camera"].size()) << view;
        EXPECT_GT(places["Camera"].width(), size.width() / 3);
    }
}

TEST_F(WorkspaceTest, TheNextStartRestoresTheWindowsAndPlacesLeftAtExit) {
    Frame().OpenWorkspace(SettingsFile());
    Close("Top");
    Close("Side");
    Frame().FindChildFrame("Front")->GetSubWindow()->setGeometry(37, 41, 300, 200);
    Frame().FindChildFrame("Camera")->MDIActivate();
    Frame().GetMainWindow()->resize(900, 700);
    SessionRunner::ProcessPendingEvents();
    std::map<std::string, QRect> places = PlacesIn(Frame());
    std::vector<std::string> stack = Stack(Frame());
    ASSERT_EQ(places.size(), 4u);

    Choose({"&File", "E&xit\tAlt+F4"});
    ASSERT_EQ(m_host.GetMainFrame(), nullptr);
    m_host.Shutdown();

    HostApplication next;
    next.Start(CORVANE_APP_DIR "/Plugins/", true);
    next.GetMainFrame()->OpenWorkspace(SettingsFile());
    SessionRunner::ProcessPendingEvents();
    EXPECT_EQ(PlacesIn(*next.GetMainFrame()), places);
    EXPECT_EQ(Stack(*next.GetMainFrame()), stack);
    EXPECT_EQ(next.GetMainFrame()->GetMainWindow()->size(), QSize(900, 700));
    EXPECT_EQ(TitleOf(next.GetMainFrame()->MDIGetActive()), "Camera");
}

TEST_F(WorkspaceTest, DamagedOrForeignSettingsGiveTheDefaultWorkspaceAndSaySo) {
    const struct {
        QByteArray text;
        std::string reason;
    } cases[] = {
        {QByteArray("\x00\xff\x01[[[=\n\x7f", 9), "it holds no workspace"},
        {"[General]\nTheme=dark\n", "it holds no workspace"},
        {"[Workspace]\nVersion=2\n", "workspace version 2 is not 1"},
        {"[Workspace]\nVersion=1\nWindows\\1\\Title=Camera\nWindows\\size=1\n",
         "the main window's geometry is missing"},
        {"[Workspace]\nVersion=1\nMainWindow=x\nWindows\\1\\Title=Inspector\nWindows\\size=1\n",
         "window 1 has the unknown title \"Inspector\""},
        {"[Workspace]\nVersion=1\nMainWindow=x\nWindows\\1\\Title=Top\nWindows\\1\\X=left\n"
         "Windows\\size=1\n",
         "\"X\" is not a whole number"},
        {"[Workspace]\nVersion=1\nMainWindow=x\nWindows\\size=0\n",
         "the main window's geometry is damaged"},
    };
    for (const auto& c : cases) {
        for (CMDIChildWnd* frame : Frame().GetChildFrames())
            frame->GetSubWindow()->close();
        QFile file(SettingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.text);
        file.close();
        TVK::GetDebugger()->ClearLines();

        Frame().OpenWorkspace(SettingsFile());
        EXPECT_EQ(PlacesIn(Frame()), DefaultPlaces()) << c.reason;
        ASSERT_EQ(TVK::GetDebugger()->GetLines().size(), 1u) << c.reason;
        EXPECT_NE(TVK::GetDebugger()->GetLines()[0].find("Cannot restore the workspace from " +
                                                         SettingsFile().toStdString() + ": " +
                                                         c.reason),
                  std::string::npos)
            << TVK::GetDebugger()->GetLines()[0];
    }
}

TEST_F(WorkspaceTest, WindowsShowTheirFrameIconsAndAboutNamesVersionLibrariesAndPlugins) {
    Choose({"&Window", "Default &Layout"});
    auto image = [](const QIcon& icon) { return icon.pixmap(32, 32).toImage(); };
    const std::pair<const char*, UINT> icons[] = {
        {"Camera", 103}, {"Side", 103}, {"Cast List", 104}, {"Time Line", 105}};
    for (auto [title, resource] : icons) {
        QIcon icon = Frame().FindChildFrame(title)->GetSubWindow()->windowIcon();
        EXPECT_EQ(image(icon), image(LoadIconResource(resource))) << title;
        EXPECT_NE(image(icon), image(QApplication::windowIcon())) << title;
    }
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_NE(image(LoadIconResource(104)), image(LoadIconResource(105)));

    std::string about = AboutBox::Text();
    for (const char* part : {"Corvane 1.", "Qt 6.", "Lua 5.4", "Quenda.dll", "CorvaneMedia.dll"})
        EXPECT_NE(about.find(part), std::string::npos) << part << " in " << about;
}

} // namespace
