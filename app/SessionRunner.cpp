#include "app/SessionRunner.h"

#include "app/HostApplication.h"
#include "app/MainFrame.h"
#include "app/MenuDriver.h"
#include "app/SessionError.h"
#include "app/SharedService.h"
#include "app/StateDump.h"
#include "app/Workspace.h"

#include "framework/Exception.h"
#include "host/Project.h"
#include "model/ProjectModel.h"
#include "platform/Automation.h"
#include "platform/CMDIChildWnd.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QPointer>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

std::string AbsolutePath(const std::string& path) {
    return std::filesystem::absolute(path).lexically_normal().string();
}

// Output files may name a folder that does not exist yet.
void MakeParentFolder(const std::string& path) {
    std::filesystem::path parent = std::filesystem::absolute(path).parent_path();
    std::error_code error;
    std::filesystem::create_directories(parent, error);
    if (error)
        throw std::runtime_error("cannot make the folder " + parent.string() + ": " +
                                 error.message());
}

// The window inside a frame that input reaches first: the view it hosts, or
// its own client area when it hosts none.
QWidget* InnermostWindowOf(CMDIChildWnd& frame) {
    QWidget* client = frame.GetWidget();
    for (QWidget* child : client->findChildren<QWidget*>())
        if (CWnd* window = CWnd::FromWidget(child); window && window != &frame)
            return child;
    return client;
}

Qt::MouseButton SingleButton(Qt::MouseButtons buttons) {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (buttons & button)
            return button;
    return Qt::NoButton;
}

} // namespace

SessionRunner::SessionRunner(HostApplication& host, std::string fileName)
    : m_host(host), m_strFileName(std::move(fileName)) {}

void SessionRunner::ProcessPendingEvents() {
    // A paint or a deletion may post more work; a few rounds let it settle.
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void SessionRunner::Run(const std::vector<SessionCommand>& commands) {
    Automation::Instance().SetSessionMode(true);
    if (MainFrame* frame = m_host.GetMainFrame())
        frame->GetMainWindow()->activateWindow();
    ProcessPendingEvents();
    for (const SessionCommand& command : commands) {
        bool goOn = true;
        try {
            goOn = Execute(command);
        } catch (const std::exception& error) {
            throw SessionError(m_strFileName, command.nLine, error.what());
        } catch (Exception* exception) {
            std::string description = exception->GetDescription().str();
            delete exception;
            throw SessionError(m_strFileName, command.nLine, description);
        }
        ProcessPendingEvents();
        if (!goOn || !m_host.GetMainFrame())
            break;
    }
}

bool SessionRunner::Execute(const SessionCommand& command) {
    using Kind = SessionCommand::Kind;
    switch (command.kind) {
    case Kind::Open:
        Open(*command.path);
        break;
    case Kind::Menu: {
        MenuDriver driver(GetFrame());
        driver.Choose(driver.FindCommand(command.menuTexts));
        break;
    }
    case Kind::Key:
        Key(command);
        break;
    case Kind::Mouse:
        Mouse(command);
        break;
    case Kind::Drag:
        Drag(command);
        break;
    case Kind::Resize:
        Resize(command);
        break;
    case Kind::AnswerFile:
        Automation::Instance().QueueFileAnswer(
            command.path ? std::optional(AbsolutePath(*command.path)) : std::nullopt);
        break;
    case Kind::AnswerMessage:
        Automation::Instance().QueueMessageAnswer(command.nAnswer);
        break;
    case Kind::AnswerDialog:
        Automation::Instance().QueueDialogAnswer(command.bDialogOk, command.dialogActions);
        break;
    case Kind::Tick:
        for (int tick = 0; tick < command.nCount; ++tick) {
            m_host.GetModel()->Tick();
            ProcessPendingEvents();
        }
        break;
    case Kind::Dump:
        Dump(*command.path);
        break;
    case Kind::Screenshot:
        Screenshot(command);
        break;
    case Kind::LayoutDefault:
        Workspace(GetFrame()).ApplyDefault();
        break;
    case Kind::Quit:
        return false;
    }
    return true;
}

MainFrame& SessionRunner::GetFrame() const {
    MainFrame* frame = m_host.GetMainFrame();
    if (!frame)
        throw std::runtime_error("the main window is closed");
    return *frame;
}

CMDIChildWnd& SessionRunner::GetChildFrame(const std::string& title) const {
    CMDIChildWnd* child = GetFrame().FindChildFrame(title);
    if (!child)
        throw std::runtime_error("no window titled \"" + title + "\" is open");
    return *child;
}

// As File > Open answered with the path when the File menu offers Open;
// otherwise straight through the project.
void SessionRunner::Open(const std::string& path) {
    std::string absolute = AbsolutePath(path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(absolute, error))
        throw std::runtime_error("no project file " + absolute);

    MenuDriver driver(GetFrame());
    if (std::optional<MenuDriver::Item> item = driver.FindFileOpen()) {
        Automation::Instance().QueueFileAnswer(absolute);
        driver.Choose(*item);
        return;
    }
    Pointer<Project> project = FindSharedService<Project>("Project", "Project");
    if (!project)
        throw std::runtime_error("no project is published to open " + absolute + " in");
    project->Load(Pointer<BaseObject>(), String(absolute));
}

QWidget* SessionRunner::GetKeyTarget(const SessionCommand& command) {
    if (command.title) {
        CMDIChildWnd& child = GetChildFrame(*command.title);
        child.MDIActivate();
        ProcessPendingEvents();
        return GetKeyTargetWithin(child);
    }
    if (CMDIChildWnd* active = GetFrame().MDIGetActive())
        return GetKeyTargetWithin(*active);
    if (QWidget* focus = QApplication::focusWidget())
        return focus;
    return GetFrame().GetWidget();
}

// The focused window inside the frame's client area, or else the view it
// hosts, where a person would click before typing.
QWidget* SessionRunner::GetKeyTargetWithin(CMDIChildWnd& frame) {
    QWidget* focus = QApplication::focusWidget();
    QWidget* client = frame.GetWidget();
    if (focus && focus != client && client->isAncestorOf(focus))
        return focus;
    return InnermostWindowOf(frame);
}

void SessionRunner::Key(const SessionCommand& command) {
    m_input.PressKey(GetKeyTarget(command), command.nKey, command.modifiers);
}

CMDIChildWnd& SessionRunner::GetPointerTarget(const SessionCommand& command) {
    CMDIChildWnd* child =
        command.title ? &GetChildFrame(*command.title) : GetFrame().MDIGetActive();
    if (!child)
        throw std::runtime_error("no window is open to receive the mouse");
    if (child != GetFrame().MDIGetActive()) {
        child->MDIActivate();
        ProcessPendingEvents();
    }
    return *child;
}

void SessionRunner::Mouse(const SessionCommand& command) {
    QWidget* client = GetPointerTarget(command).GetWidget();
    Qt::MouseButton button = SingleButton(command.buttons);
    switch (command.mouseAction) {
    case SessionCommand::MouseAction::Down:
        m_input.Press(client, command.from, button, command.modifiers);
        break;
    case SessionCommand::MouseAction::Up:
        m_input.Release(client, command.from, button, command.modifiers);
        break;
    case SessionCommand::MouseAction::DoubleClick:
        m_input.DoubleClick(client, command.from, button, command.modifiers);
        break;
    case SessionCommand::MouseAction::Move:
        m_input.Move(client, command.from, command.modifiers);
        break;
    }
}

// With "to TITLE" the end point is a client point of that window; the moves
// cross the screen from one window to the other, all sent as the start
// window sees them, as a hand that holds the button down makes them.
void SessionRunner::Drag(const SessionCommand& command) {
    CMDIChildWnd& child = GetPointerTarget(command);
    QPointer<QWidget> client(child.GetWidget());
    QPoint end = command.to;
    if (command.toTitle) {
        QWidget* target = GetChildFrame(*command.toTitle).GetWidget();
        end = client->mapFromGlobal(target->mapToGlobal(command.to));
    }
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton};
    for (Qt::MouseButton button : buttons)
        if (command.buttons & button)
            m_input.Press(client, command.from, button, command.modifiers);
    ProcessPendingEvents();
    QPoint distance = end - command.from;
    for (int step = 1; step <= command.nSteps && client; ++step) {
        QPoint point = command.from + QPoint(qRound(distance.x() * double(step) / command.nSteps),
                                             qRound(distance.y() * double(step) / command.nSteps));
        m_input.Move(client, point, command.modifiers);
        ProcessPendingEvents();
    }
    if (!client)
        throw std::runtime_error("the window closed during the drag");
    for (Qt::MouseButton button : buttons)
        if (command.buttons & button)
            m_input.Release(client, end, button, command.modifiers);
}

// The sub-window's decoration (caption, borders, scroll bars) is kept; the
// client area gets the size asked for. Scroll bars that come or go with the
// new size change the decoration, hence a second round.
void SessionRunner::Resize(const SessionCommand& command) {
    CMDIChildWnd& child = GetChildFrame(*command.title);
    QMdiSubWindow* sub = child.GetSubWindow();
    for (int round = 0; round < 2; ++round) {
        CRect client;
        child.GetClientRect(&client);
        if (client.Width() == command.nWidth && client.Height() == command.nHeight)
            return;
        sub->resize(sub->width() + command.nWidth - client.Width(),
                    sub->height() + command.nHeight - client.Height());
        ProcessPendingEvents();
    }
}

void SessionRunner::Dump(const std::string& path) {
    MakeParentFolder(path);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        throw std::runtime_error("cannot write the dump " + path);
    file << StateDump::Describe(m_host).dump(2) << '\n';
    if (!file.flush())
        throw std::runtime_error("cannot write the dump " + path);
}

void SessionRunner::Screenshot(const SessionCommand& command) {
    MakeParentFolder(*command.path);
    QWidget* widget =
        command.title ? GetChildFrame(*command.title).GetWidget() : GetFrame().GetMainWindow();
    // What grab() does, but on black: it leaves the pixels an opaque widget
    // does not paint as the new picture's memory held them, so a screenshot
    // would depend on the allocator.
    QPixmap picture(widget->size());
    picture.fill(Qt::black);
    widget->render(&picture, QPoint(), QRegion(widget->rect()),
                   QWidget::DrawWindowBackground | QWidget::DrawChildren | QWidget::IgnoreMask);
    if (!picture.save(QString::fromStdString(command.path.value()), "PNG"))
        throw std::runtime_error("cannot write the screenshot " + *command.path);
}
