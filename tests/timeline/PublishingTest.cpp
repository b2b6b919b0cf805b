#include "WindowTest.h"

namespace {

// Each window answers as an MDI child, a drawing surface, a shared object, an
// input source and its own window, never as the other one nor as a counted
// object: handles taken on it never delete it.
TEST_F(WindowTest, EachWindowAnswersItsInterfaces) {
    const struct {
        MDIChildWnd* frame;
        const char *className, *window, *otherWindow;
    } windows[] = {{OpenTimeLine(400, 200), "TimeLineFrame", "TimeLineWindow", "CastListWindow"},
                   {OpenCastList(300, 200), "CastListFrame", "CastListWindow", "TimeLineWindow"}};
    for (const auto& w : windows) {
        for (const char* name : {"MDIChildWnd", "CMDIChildWnd", "CWnd", "VirtualDC", "SharedObject",
                                 "InputEventSource", w.className, w.window})
            EXPECT_NE(w.frame->FindInterface(name), nullptr) << w.className << " " << name;
        EXPECT_EQ(w.frame->FindInterface("BaseObject"), nullptr) << w.className;
        EXPECT_EQ(w.frame->FindInterface(w.otherWindow), nullptr) << w.className;
    }
}

} // namespace
