#include "TestHost.h"

#include "commands/ControlMenuHandler.h"
#include "commands/ViewMenuHandler.h"
#include "project/FileMenuHandler.h"

namespace {

// A handler is a single-instance plug-in that is never published, and
// starts after the managers and what it drives.
template <class Handler> void ExpectHandlerClass(const char* className, const Texts& required) {
    SCOPED_TRACE(className);
    Pointer<Handler> handler(new Handler);
    Handler* object = handler.Get();
    EXPECT_EQ(object->GetClass()->GetName(), className);
    EXPECT_EQ(object->FindInterface("MenuHandler"), static_cast<MenuHandler*>(object));
    EXPECT_EQ(object->FindInterface("StaticInstancePlugin"),
              static_cast<StaticInstancePlugin*>(object));
    EXPECT_EQ(object->FindInterface("BasePlugin"), static_cast<BasePlugin*>(object));
    EXPECT_EQ(object->FindInterface(className), object);
    EXPECT_EQ(object->FindInterface("SharedObject"), nullptr);
    EXPECT_EQ(object->FindInterface("BaseObject"), nullptr);
    StringList names = object->GetRequiredInterfaces();
    Texts texts;
    for (int i = 0; i < names.GetCount(); ++i)
        texts.push_back(names[i].str());
    EXPECT_EQ(texts, required);
}

TEST(MenuHandlerClassTest, HandlersAnswerTheirInterfacesAndNeedTheManagersFirst) {
    ExpectHandlerClass<ControlMenuHandler>("ControlMenuHandler",
                                           {"MenuManager", "AcceleratorManager", "Player"});
    ExpectHandlerClass<FileMenuHandler>("FileMenuHandler",
                                        {"MenuManager", "AcceleratorManager", "Project"});
    ExpectHandlerClass<ViewMenuHandler>("ViewMenuHandler", {"MenuManager", "AcceleratorManager"});
}

} // namespace
