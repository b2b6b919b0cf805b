#include "WindowTest.h"

#include "core/MDIChildRegistry.h"

#include "framework/SharedObjects.h"

namespace {

// A window answers as an MDI child, a drawing surface, an input source and
// its own window (never the other one), and is published under its shared
// name and registered as a child only while it is open; closing it empties
// its owner's field.
template <class Window, class Frame>
void ExpectPublishedWhileOpen(Frame*& field, const char* className, const char* window,
                              const char* otherWindow, const char* sharedName) {
    SCOPED_TRACE(className);
    Frame* frame = field;
    for (const char* name : {"MDIChildWnd", "CMDIChildWnd", "CWnd", "VirtualDC", "SharedObject",
                             "InputEventSource", className})
        EXPECT_NE(frame->FindInterface(name), nullptr) << name;
    EXPECT_EQ(frame->FindInterface("BaseObject"), nullptr);
    EXPECT_EQ(frame->FindInterface(otherWindow), nullptr);

    Pointer<Window> published =
        GetSharedObjects()->GetObjectA(sharedName).template As<Window>(window);
    EXPECT_EQ(published.Get(), static_cast<Window*>(frame));
    published.Reset(); // handles on the window never delete it
    ASSERT_EQ(GetMDIChildRegistry().GetCount(), 1);
    EXPECT_EQ(GetMDIChildRegistry()[0], static_cast<MDIChildWnd*>(frame));

    frame->DestroyWindow();
    EXPECT_EQ(field, nullptr);
    EXPECT_FALSE(GetSharedObjects()->GetObjectA(sharedName));
    EXPECT_EQ(GetMDIChildRegistry().GetCount(), 0);
}

TEST_F(WindowTest, EachWindowAnswersItsInterfacesAndIsPublishedWhileOpen) {
    OpenTimeLine(400, 200);
    ExpectPublishedWhileOpen<TimeLineWindow>(m_pTimeLine, "TimeLineFrame", "TimeLineWindow",
                                             "CastListWindow", "Time Line Window");
    OpenCastList(300, 200);
    ExpectPublishedWhileOpen<CastListWindow>(m_pCastList, "CastListFrame", "CastListWindow",
                                             "TimeLineWindow", "Cast List Window");
}

} // namespace
