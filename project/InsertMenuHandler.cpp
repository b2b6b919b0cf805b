#include "project/InsertMenuHandler.h"

#include "core/ModuleExports.h"
#include "core/QuendaInterfaces.h"
#include "core/VirtualDC.h"
#include "project/InsertFrameScriptDialog.h"
#include "timeline/CastListWindow.h"

#include "framework/InterfaceQuery.h"
#include "framework/PluginManager.h"
#include "framework/SharedObjects.h"
#include "framework/SingleInstancePluginClass.h"
#include "host/CastMember.h"
#include "host/HasProperties.h"
#include "host/Instance.h"
#include "host/MenuManager.h"
#include "host/Player.h"
#include "host/TimeLine.h"
#include "platform/CFileDialog.h"
#include "platform/CWnd.h"
#include "platform/MessageBox.h"

#include <string>

CORVANE_REGISTER_SINGLE_INSTANCE_CLASS(InsertMenuHandler)

namespace {

// Type entries were split in a fixed buffer; longer ones lose their tail.
constexpr size_t kLongestTypeEntry = 127;
const char kAllFiles[] = "All Files (*.*)|*.*||";

Pointer<TimeLine> GetTimeLine() {
    return GetSharedObjects()->GetObjectA("Time Line").As<TimeLine>("TimeLine");
}

Pointer<Player> GetPlayer() {
    return GetSharedObjects()->GetObjectA("Player").As<Player>("Player");
}

// The first row, counting from 1, with no instance in the frame range that
// range() gives; range() is asked anew for every row tried.
template <class Range> int FindFreeRow(TimeLine& timeLine, Range range) {
    int row = 1;
    for (;; ++row) {
        auto [first, last] = range();
        if (timeLine.GetInstances(row, first, last).empty())
            return row;
    }
}

// An object of a class the model registers, asked for one of its interfaces.
template <class T> Pointer<T> CreatePlugin(const char* className, const char* interfaceName) {
    return GetPluginManager()->CreateDynamicPlugin(className).As<T>(interfaceName);
}

// One object of every cast member class, in catalogue order.
CastMemberList CreatePrototypes() {
    CastMemberList prototypes;
    QuendaInterfaces* interfaces = GetQuendaInterfaces();
    if (!interfaces)
        return prototypes;
    const auto& classes = interfaces->GetCastMemberClasses();
    for (std::int32_t i = 0; i < classes.GetCount(); ++i) {
        Pointer<CastMember> prototype(
            static_cast<CastMember*>(classes[i]->GetCreateFunction()("CastMember")));
        if (prototype)
            prototypes.push_back(prototype);
    }
    return prototypes;
}

// The cast list window shows the new member at once; it may not be open.
void RefreshCastListWindow() {
    Pointer<CastListWindow> window =
        GetSharedObjects()->GetObjectA("Cast List Window").As<CastListWindow>("CastListWindow");
    if (!window)
        return;
    if (Pointer<VirtualDC> picture = window.As<VirtualDC>("VirtualDC"))
        picture->Redraw();
    if (auto* pWnd = static_cast<CWnd*>(window->FindInterface("CWnd")))
        pWnd->UpdateWindow();
}

} // namespace

void* InsertMenuHandler::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("MenuHandler", static_cast<MenuHandler*>(this))
        .AnswerBase(FindStaticInstancePluginInterface(name))
        .Answer("InsertMenuHandler", this)
        .Result();
}

void InsertMenuHandler::Initialize() {
    Pointer<MenuManager> menuManager =
        GetSharedObjects()->GetObjectA("Menu Manager").As<MenuManager>("MenuManager");
    Pointer<MenuHandler> self(static_cast<MenuHandler*>(this));
    // The popup goes just before the host's Window menu; the commands follow
    // one another at its end.
    menuManager->AddMenuItem(-1, "&Window", "I&nsert", self, true, false, "");
    const String path = "I&nsert\n*";
    menuManager->AddMenuItem(kCastMember, path, "Cast Member", self, false, false,
                             "Insert a cast member into the Cast List\nInsert Cast Member");
    menuManager->AddMenuItem(kFrameScript, path, "Frame Script", self, false, false,
                             "Insert a frame script at a specified frame\nInsert Frame Script");
    menuManager->AddMenuItem(kLight, path, "Light", self, false, false,
                             "Insert a light into the scene\nInsert Light");
}

void InsertMenuHandler::ExecuteMenuItem(int cookie) {
    switch (cookie) {
    case kCastMember:
        InsertCastMember();
        break;
    case kFrameScript:
        InsertFrameScript();
        break;
    case kLight:
        InsertLight();
        break;
    default:
        break;
    }
}

bool InsertMenuHandler::SplitTypeEntry(const String& entry, String& description, String& pattern) {
    const std::string buffer = entry.str().substr(0, kLongestTypeEntry);
    const size_t lineFeed = buffer.find('\n');
    if (lineFeed == std::string::npos)
        return false;
    description = String(buffer.substr(0, lineFeed));
    pattern = String(buffer.substr(lineFeed + 1));
    return true;
}

String InsertMenuHandler::BuildFileFilter(const CastMemberList& prototypes) {
    std::string patterns;
    std::string entries;
    for (const Pointer<CastMember>& prototype : prototypes)
        for (const String& entry : prototype->GetFileTypes()) {
            String description, pattern;
            if (!SplitTypeEntry(entry, description, pattern))
                continue;
            patterns += "; " + pattern.str();
            entries += description.str() + "|" + pattern.str() + "|";
        }
    if (patterns.empty())
        return kAllFiles;
    return String("Supported Types|" + patterns.substr(2) + "|" + entries + kAllFiles);
}

void InsertMenuHandler::InsertCastMember() {
    const CastMemberList prototypes = CreatePrototypes();
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, BuildFileFilter(prototypes),
                       AfxGetMainWnd());
    if (dialog.DoModal() != IDOK)
        return;

    // Extensions match byte for byte: "*.OBJ" is not "*.obj".
    const std::string wanted = "*." + dialog.GetFileExt().str();
    CWnd* pMainWnd = AfxGetMainWnd();
    for (const Pointer<CastMember>& prototype : prototypes)
        for (const String& entry : prototype->GetFileTypes()) {
            String description, pattern;
            if (!SplitTypeEntry(entry, description, pattern) || pattern.str() != wanted)
                continue;
            prototype->SetFileName(Pointer<BaseObject>(), dialog.GetPathName());
            if (pMainWnd)
                pMainWnd->BeginWaitCursor();
            const bool loaded = prototype->Load();
            if (pMainWnd)
                pMainWnd->EndWaitCursor();
            if (!loaded) {
                // Another class that reads the type gets its own try.
                AfxMessageBox("Unable to load cast member!\n", MB_ICONHAND);
                continue;
            }
            GetSharedObjects()
                ->GetObjectA("Cast List")
                .As<CastList>("CastList")
                ->AddCastMember(prototype);
            RefreshCastListWindow();
            return;
        }
}

void InsertMenuHandler::InsertFrameScript() {
    InsertFrameScriptDialog dialog(AfxGetMainWnd());
    if (dialog.DoModal() != IDOK)
        return;
    const int frame = dialog.m_nFrame;

    Pointer<Instance> instance = CreatePlugin<Instance>("FrameScript", "Instance");
    instance->SetCastMember(CreatePlugin<CastMember>("DummyCM", "CastMember"));
    instance->Initialize();

    Pointer<TimeLine> timeLine = GetTimeLine();
    const int row = FindFreeRow(*timeLine, [frame] { return std::pair(frame, frame); });
    timeLine->AddInstance(instance, row, frame, frame);

    const int current = GetPlayer()->GetCurrentFrame();
    instance->PlayerFrameChange(current, current);
    UpdateAllMDIChildWindows();
}

void InsertMenuHandler::InsertLight() {
    Pointer<Player> player = GetPlayer();
    Pointer<TimeLine> timeLine = GetTimeLine();
    // The light spans the current frame and the 20 after it.
    const int row = FindFreeRow(*timeLine, [&player] {
        return std::pair(player->GetCurrentFrame(), player->GetCurrentFrame() + 20);
    });

    Pointer<Instance> instance = CreatePlugin<Instance>("Light", "Instance");
    instance->SetCastMember(CreatePlugin<CastMember>("LightCM", "CastMember"));
    instance->Initialize();

    // White, above, in front and to the left of the origin.
    Pointer<HasProperties> properties = instance.As<HasProperties>("HasProperties");
    const char* const values[][2] = {{"Blue", "1.0"},       {"Red", "1.0"},
                                     {"Green", "1.0"},      {"TranslateX", "-1.0"},
                                     {"TranslateY", "1.0"}, {"TranslateZ", "1.0"}};
    for (const auto& [name, value] : values)
        properties->SetPropertyValue(name, value);

    const int start = player->GetCurrentFrame();
    timeLine->AddInstance(instance, row, start, start + 20);
    const int current = player->GetCurrentFrame();
    instance->PlayerFrameChange(current, current);
    UpdateAllMDIChildWindows();
}
