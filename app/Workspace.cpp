#include "app/Workspace.h"

#include "app/DefaultLayout.h"
#include "app/MainFrame.h"
#include "app/MenuDriver.h"

#include "framework/Debugger.h"
#include "platform/CMDIChildWnd.h"

#include <QFileInfo>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

// Raised when the settings hold anything a save of ours would not write.
constexpr int kFormatVersion = 1;

struct AuthoringWindow {
    const char* pszTitle;
    std::vector<std::string> menuTexts;
};

const std::vector<AuthoringWindow>& AuthoringWindows() {
    static const std::vector<AuthoringWindow> windows = {
        {"Camera", {"&View", "Camera\tCtrl+Q"}},
        {"Top", {"&View", "Orthographic", "Top\tCtrl+W"}},
        {"Front", {"&View", "Orthographic", "Front\tCtrl+E"}},
        {"Side", {"&View", "Orthographic", "Side\tCtrl+R"}},
        {"Time Line", {"&View", "Time Line\tCtrl+T"}},
        {"Cast List", {"&View", "Cast List\tCtrl+L"}},
    };
    return windows;
}

const AuthoringWindow* FindAuthoringWindow(const std::string& title) {
    for (const AuthoringWindow& window : AuthoringWindows())
        if (title == window.pszTitle)
            return &window;
    return nullptr;
}

std::string TitleOf(CMDIChildWnd& frame) {
    String title;
    frame.GetWindowText(title);
    return title.str();
}

enum class WindowState { Normal, Maximized, Minimized };
constexpr const char* kStateNames[] = {"normal", "maximized", "minimized"};

struct SavedWindow {
    std::string title;
    QRect rect;
    WindowState state;
};

struct SavedWorkspace {
    QByteArray mainGeometry;
    std::vector<SavedWindow> windows;
};

int ReadInteger(const QSettings& settings, const char* key) {
    bool ok = false;
    int value = settings.value(key).toString().toInt(&ok);
    if (!ok)
        throw std::runtime_error(std::string("\"") + key + "\" is not a whole number");
    return value;
}

// Everything is read and checked before anything is changed.
SavedWorkspace Read(QSettings& settings) {
    if (settings.status() != QSettings::NoError)
        throw std::runtime_error("the file cannot be read as settings");
    settings.beginGroup("Workspace");
    if (!settings.contains("Version"))
        throw std::runtime_error("it holds no workspace");
    if (ReadInteger(settings, "Version") != kFormatVersion)
        throw std::runtime_error("workspace version " +
                                 settings.value("Version").toString().toStdString() + " is not " +
                                 std::to_string(kFormatVersion));
    SavedWorkspace saved;
    saved.mainGeometry = settings.value("MainWindow").toByteArray();
    if (saved.mainGeometry.isEmpty())
        throw std::runtime_error("the main window's geometry is missing");
    int count = settings.beginReadArray("Windows");
    for (int index = 0; index < count; ++index) {
        settings.setArrayIndex(index);
        std::string title = settings.value("Title").toString().toStdString();
        if (!FindAuthoringWindow(title))
            throw std::runtime_error("window " + std::to_string(index + 1) +
                                     " has the unknown title \"" + title + "\"");
        bool twice =
            std::any_of(saved.windows.begin(), saved.windows.end(),
                        [&title](const SavedWindow& window) { return window.title == title; });
        if (twice)
            throw std::runtime_error("the window \"" + title + "\" is listed twice");
        // Read in order, so that the first bad value is the one named.
        int x = ReadInteger(settings, "X");
        int y = ReadInteger(settings, "Y");
        int width = ReadInteger(settings, "Width");
        int height = ReadInteger(settings, "Height");
        QRect rect(x, y, width, height);
        if (rect.width() <= 0 || rect.height() <= 0)
            throw std::runtime_error("the window \"" + title + "\" has no size");
        std::string stateName = settings.value("State").toString().toStdString();
        auto state = std::find(std::begin(kStateNames), std::end(kStateNames), stateName);
        if (state == std::end(kStateNames))
            throw std::runtime_error("the window \"" + title + "\" has the unknown state \"" +
                                     stateName + "\"");
        saved.windows.push_back(
            {title, rect, static_cast<WindowState>(state - std::begin(kStateNames))});
    }
    settings.endArray();
    settings.endGroup();
    return saved;
}

void Place(QMdiSubWindow* sub, const QRect& rect, WindowState state) {
    if (sub->isMaximized() || sub->isMinimized())
        sub->showNormal();
    sub->setGeometry(rect);
    if (state == WindowState::Maximized)
        sub->showMaximized();
    else if (state == WindowState::Minimized)
        sub->showMinimized();
}

} // namespace

CMDIChildWnd* Workspace::Open(const std::string& title) {
    const AuthoringWindow* window = FindAuthoringWindow(title);
    try {
        MenuDriver driver(m_frame);
        driver.Choose(driver.FindCommand(window->menuTexts));
    } catch (const std::runtime_error& error) {
        TVK::GetDebugger()->PrintError("Cannot open the %s window: %s\n", title.c_str(),
                                       error.what());
        return nullptr;
    }
    return m_frame.FindChildFrame(title);
}

void Workspace::ApplyDefault() {
    QMdiArea* area = m_frame.GetMDIArea();
    for (const DefaultLayout::Place& place : DefaultLayout::Compute(area->viewport()->size())) {
        CMDIChildWnd* frame = m_frame.FindChildFrame(place.pszTitle);
        if (!frame) {
            // Made at its place, the window is not first drawn at another size.
            CMDIChildWnd::SetNextPlacement(place.rect);
            frame = Open(place.pszTitle);
            CMDIChildWnd::SetNextPlacement(QRect());
        }
        if (frame)
            Place(frame->GetSubWindow(), place.rect, WindowState::Normal);
    }
}

bool Workspace::Restore(const QString& fileName) {
    if (!QFileInfo(fileName).isFile())
        return false;
    QSettings settings(fileName, QSettings::IniFormat);
    SavedWorkspace saved;
    try {
        saved = Read(settings);
    } catch (const std::runtime_error& error) {
        TVK::GetDebugger()->PrintError("Cannot restore the workspace from %s: %s\n",
                                       fileName.toUtf8().constData(), error.what());
        return false;
    }
    if (!m_frame.GetMainWindow()->restoreGeometry(saved.mainGeometry)) {
        TVK::GetDebugger()->PrintError(
            "Cannot restore the workspace from %s: the main window's geometry is damaged\n",
            fileName.toUtf8().constData());
        return false;
    }
    for (const SavedWindow& window : saved.windows) {
        CMDIChildWnd* frame = m_frame.FindChildFrame(window.title);
        if (!frame)
            frame = Open(window.title);
        if (frame)
            Place(frame->GetSubWindow(), window.rect, window.state);
    }
    return true;
}

void Workspace::Save(const QString& fileName) {
    QSettings settings(fileName, QSettings::IniFormat);
    settings.clear();
    settings.beginGroup("Workspace");
    settings.setValue("Version", kFormatVersion);
    settings.setValue("MainWindow", m_frame.GetMainWindow()->saveGeometry());
    settings.beginWriteArray("Windows");
    int index = 0;
    for (CMDIChildWnd* frame : m_frame.GetChildFrames()) {
        std::string title = TitleOf(*frame);
        if (!FindAuthoringWindow(title))
            continue;
        QMdiSubWindow* sub = frame->GetSubWindow();
        WindowState state = sub->isMaximized()   ? WindowState::Maximized
                            : sub->isMinimized() ? WindowState::Minimized
                                                 : WindowState::Normal;
        // A sub-window tells the place it goes back to only once it is back
        // there.
        if (state != WindowState::Normal)
            sub->showNormal();
        QRect rect = sub->geometry();
        if (state != WindowState::Normal)
            Place(sub, rect, state);
        settings.setArrayIndex(index++);
        settings.setValue("Title", QString::fromStdString(title));
        settings.setValue("X", rect.x());
        settings.setValue("Y", rect.y());
        settings.setValue("Width", rect.width());
        settings.setValue("Height", rect.height());
        settings.setValue("State", kStateNames[static_cast<int>(state)]);
    }
    settings.endArray();
    settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError)
        TVK::GetDebugger()->PrintError("Cannot save the workspace to %s\n",
                                       fileName.toUtf8().constData());
}
