#include "WindowTest.h"

#include "framework/SharedObjects.h"

namespace {

template <class Frame>
Frame* Open(Frame*& field, CWnd* mainWnd, UINT resource, DWORD style, const char* title) {
    field = new Frame(&field);
    EXPECT_TRUE(field->LoadFrame(resource, style, mainWnd));
    field->SetTitle(title);
    field->Redraw();
    field->ShowWindow(SW_RESTORE);
    field->ActivateFrame();
    return field;
}

} // namespace

void WindowTest::SetUp() {
    MainWindowTest::SetUp();
    m_pTimeLineModel = new FakeTimeLine;
    m_pCast = new FakeCastList;
    GetSharedObjects()->AddObject(Pointer<SharedObject>(m_pTimeLineModel));
    GetSharedObjects()->AddObject(Pointer<SharedObject>(m_pCast));
}

void WindowTest::TearDown() {
    if (m_pTimeLine)
        m_pTimeLine->DestroyWindow();
    if (m_pCastList)
        m_pCastList->DestroyWindow();
    MainWindowTest::TearDown();
}

TimeLineFrame* WindowTest::OpenTimeLine(int width, int height) {
    SetClientSize(Open(m_pTimeLine, m_pMainWnd, 105, 0x06FF0000, "Time Line"), width, height);
    return m_pTimeLine;
}

CastListFrame* WindowTest::OpenCastList(int width, int height) {
    SetClientSize(Open(m_pCastList, m_pMainWnd, 104, 0x06EF0000, "Cast List"), width, height);
    return m_pCastList;
}
