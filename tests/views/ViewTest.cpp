#include "ViewTest.h"

#include <cstring>

CORVANE_REGISTER_CLASS(RecordingHandler)

std::vector<std::string>& RecordingHandler::Events() {
    static std::vector<std::string> events;
    return events;
}

void* RecordingHandler::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("BasePlugin", static_cast<BasePlugin*>(this))
        .Answer("InputEventHandler", static_cast<InputEventHandler*>(this))
        .Answer("RecordingHandler", this)
        .Result();
}

bool RecordingHandler::AcceptsSource(InputEventSource* source) {
    return std::strcmp(source->GetClass()->GetName(), "FrontView") == 0;
}

bool RecordingHandler::Note(const char* name, const std::string& what, InputEventSource* source) {
    Events().push_back(std::string(name) + " " + what + " " + source->GetClass()->GetName().str());
    return true;
}

void ViewTest::SetUp() {
    MainWindowTest::SetUp();
    RecordingHandler::Events().clear();
    m_pInterfaces = new QuendaInterfaces;
    for (const char* className : m_handlerClasses)
        m_pInterfaces->AddClass(RTTIClass::FindClass(className));
    m_pInterfaces->Initialize();
}

void ViewTest::TearDown() {
    for (OGLFrame*& frame : m_frames)
        if (frame)
            frame->DestroyWindow(); // the frame deletes itself
    m_frames.clear();
    m_pInterfaces->Shutdown();
    MainWindowTest::TearDown();
}

OGLFrame* ViewTest::OpenView(const char* className, int width, int height) {
    OGLFrame*& frame = m_frames.emplace_back(nullptr);
    frame = new OGLFrame(&frame);
    EXPECT_TRUE(frame->LoadFrame(103, WS_OVERLAPPEDWINDOW, m_pMainWnd));
    frame->SetTitle(className);
    frame->SetOGLWndClass(className);
    frame->ShowWindow(SW_RESTORE);
    frame->ActivateFrame();
    SetClientSize(frame, width, height);
    return frame;
}

SceneViewWnd* ViewTest::ViewOf(OGLFrame* frame) {
    OGLWnd* view = frame->GetView();
    return view ? static_cast<SceneViewWnd*>(
                      static_cast<SceneView*>(view->FindInterface("SceneView")))
                : nullptr;
}

CRect ViewTest::ViewRectInFrame(OGLFrame* frame) {
    CRect rect;
    frame->GetView()->GetWindowRect(&rect);
    frame->ScreenToClient(&rect);
    return rect;
}

CPoint ViewTest::ScreenPointOf(SceneViewWnd* view, Float3 p) {
    CRect client;
    view->GetClientRect(&client);
    const std::string name = view->GetClass()->GetName().str();
    const Float3 t = view->GetTranslation();
    const float zoom = view->GetScale()[0];
    // Screen right and screen up of each view, in scene axes.
    const float right = name == "SideView" ? -(p[2] + t[2]) : p[0] + t[0];
    const float up = name == "TopView" ? -(p[2] + t[2]) : p[1] + t[1];
    return CPoint(client.Width() / 2 + static_cast<int>(right * zoom * 25.0f),
                  client.Height() / 2 - static_cast<int>(up * zoom * 25.0f));
}
