#include "app/StateDump.h"

#include "app/HostApplication.h"
#include "app/MainFrame.h"
#include "app/MenuDriver.h"
#include "app/SharedService.h"

#include "framework/Debugger.h"
#include "model/ProjectModel.h"
#include "platform/Automation.h"
#include "platform/CMDIChildWnd.h"
#include "platform/Menu.h"
#include "timeline/TimeLineWindow.h"

#include <QMainWindow>

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace {

// The class of a window as its source names it ("TimeLineFrame").
std::string ClassNameOf(const CWnd& window) {
    const char* mangled = typeid(window).name();
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    return status == 0 && demangled ? demangled.get() : mangled;
}

} // namespace

nlohmann::json StateDump::Describe(HostApplication& host) {
    // Which key frame is selected only the time line window knows, while it is open.
    auto timeLineWindow = FindSharedService<TimeLineWindow>("Time Line Window", "TimeLineWindow");
    Pointer<KeyFrame> selectedKeyFrame =
        timeLineWindow ? timeLineWindow->GetSelectedKeyFrame() : nullptr;
    nlohmann::json state = host.GetModel() ? host.GetModel()->DescribeState(selectedKeyFrame.Get())
                                           : nlohmann::json::object();
    MainFrame* frame = host.GetMainFrame();
    if (frame) {
        String title;
        frame->GetWindowText(title);
        QWidget* window = frame->GetMainWindow();
        state["main_window"] = {
            {"title", title.str()}, {"width", window->width()}, {"height", window->height()}};
    }
    state["windows"] = frame ? DescribeWindows(*frame) : nlohmann::json::array();
    if (frame) {
        MenuDriver driver(*frame);
        state["menus"] = DescribeMenu(driver, *frame, GetMenu(frame->GetSafeHwnd()));
    } else {
        state["menus"] = nlohmann::json::array();
    }

    nlohmann::json messages = nlohmann::json::array();
    for (const auto& message : Automation::Instance().GetMessages())
        messages.push_back(
            {{"text", message.text}, {"flags", message.flags}, {"answer", message.answer}});
    state["messages"] = messages;

    nlohmann::json dialogs = nlohmann::json::array();
    for (const auto& dialog : Automation::Instance().GetDialogs()) {
        nlohmann::json controls = nlohmann::json::array();
        for (const auto& control : dialog.controls) {
            nlohmann::json entry = {{"id", control.id},
                                    {"class", control.className},
                                    {"text", control.text},
                                    {"enabled", control.enabled},
                                    {"visible", control.visible}};
            if (control.className == "LISTBOX" || control.className == "COMBOBOX") {
                entry["items"] = control.items;
                entry["selection"] = control.selection;
            } else if (control.className == "EDIT") {
                entry["selection"] = {control.selStart, control.selEnd};
            }
            controls.push_back(std::move(entry));
        }
        dialogs.push_back(
            {{"caption", dialog.caption}, {"shown", dialog.shown}, {"controls", controls}});
    }
    state["dialogs"] = dialogs;

    state["debug"] = TVK::GetDebugger()->GetLines();

    nlohmann::json processes = nlohmann::json::array();
    for (const auto& process : Automation::Instance().GetProcesses())
        processes.push_back({{"program", process.program},
                             {"parameters", process.parameters},
                             {"folder", process.folder}});
    state["processes"] = processes;
    return state;
}

nlohmann::json StateDump::DescribeWindows(MainFrame& frame) {
    nlohmann::json windows = nlohmann::json::array();
    CMDIChildWnd* active = frame.MDIGetActive();
    for (CMDIChildWnd* child : frame.GetChildFrames()) {
        String title;
        child->GetWindowText(title);
        CRect client;
        child->GetClientRect(&client);
        windows.push_back({{"title", title.str()},
                           {"class", ClassNameOf(*child)},
                           {"active", child == active},
                           {"client_width", client.Width()},
                           {"client_height", client.Height()}});
    }
    return windows;
}

nlohmann::json StateDump::DescribeMenu(MenuDriver& driver, MainFrame& frame, HMENU hMenu) {
    nlohmann::json items = nlohmann::json::array();
    int count = GetMenuItemCount(hMenu);
    for (int position = 0; position < count; ++position) {
        UINT nID = GetMenuItemID(hMenu, position);
        HMENU hPopup = GetSubMenu(hMenu, position);
        if (hPopup)
            driver.OpenPopup(hMenu, position);
        UINT state = GetMenuState(hMenu, static_cast<UINT>(position), MF_BYPOSITION);
        bool separator = !hPopup && nID == 0;
        nlohmann::json item = {
            {"text", MenuDriver::GetItemText(hMenu, position)},
            {"id", static_cast<int>(nID)},
            {"enabled", (state & (MF_GRAYED | MF_DISABLED)) == 0},
            {"checked", (state & MF_CHECKED) != 0},
            {"prompt", hPopup || separator ? std::string() : frame.GetCommandPrompt(nID).str()},
            {"separator", separator},
            {"items", hPopup ? DescribeMenu(driver, frame, hPopup) : nlohmann::json::array()},
        };
        items.push_back(std::move(item));
    }
    return items;
}
