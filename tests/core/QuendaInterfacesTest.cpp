#include "core/QuendaInterfaces.h"
#include "core/InputEventHandler.h"
#include "core/ModuleExports.h"

#include "framework/InterfaceQuery.h"
#include "framework/PluginClass.h"

#include <gtest/gtest.h>

namespace {

// Answers both "InputEventHandler" and "Instance" (by name only: the
// catalogues look at names, not at the interface's operations).
class HandlerAndInstance : public BasePlugin, public InputEventHandler {
  public:
    CORVANE_DECLARE_CLASS();
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("BasePlugin", static_cast<BasePlugin*>(this))
            .Answer("InputEventHandler", static_cast<InputEventHandler*>(this))
            .Answer("Instance", static_cast<BasePlugin*>(this))
            .Result();
    }
    bool AcceptsSource(InputEventSource*) override { return true; }
};
CORVANE_REGISTER_CLASS(HandlerAndInstance)

class CastMemberOnly : public BasePlugin {
  public:
    CORVANE_DECLARE_CLASS();
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name).Answer("CastMember", static_cast<BasePlugin*>(this)).Result();
    }
};
CORVANE_REGISTER_CLASS(CastMemberOnly)

TEST(QuendaInterfacesTest, FilesEachRecordUnderEveryInterfaceItsClassSupports) {
    QuendaInterfaces interfaces;
    interfaces.AddClass(HandlerAndInstance::s_classRecord.Get());
    interfaces.AddClass(CastMemberOnly::s_classRecord.Get());
    interfaces.AddClass(RTTIClass::FindClass("MDIChildUpdater")); // supports none of the three
    interfaces.AddClass(HandlerAndInstance::s_classRecord.Get()); // no duplicate check

    ASSERT_EQ(interfaces.GetInputHandlerClasses().GetCount(), 2);
    EXPECT_EQ(interfaces.GetInputHandlerClasses()[0], HandlerAndInstance::s_classRecord.Get());
    ASSERT_EQ(interfaces.GetCastMemberClasses().GetCount(), 1);
    EXPECT_EQ(interfaces.GetCastMemberClasses()[0], CastMemberOnly::s_classRecord.Get());
    EXPECT_EQ(interfaces.GetInstanceClasses().GetCount(), 2);
}

TEST(QuendaInterfacesTest, RunningInstanceSpansInitializeToShutdownOnlyAndAnswersItsNames) {
    QuendaInterfaces interfaces;
    EXPECT_EQ(GetQuendaInterfaces(), nullptr);
    interfaces.Initialize();
    EXPECT_EQ(GetQuendaInterfaces(), &interfaces);
    interfaces.AddClass(CastMemberOnly::s_classRecord.Get());
    interfaces.Shutdown();
    EXPECT_EQ(GetQuendaInterfaces(), nullptr);
    EXPECT_EQ(interfaces.GetCastMemberClasses().GetCount(), 1);
    for (const char* name :
         {"StaticInstancePlugin", "BasePlugin", "RedirectInterfaces", "QuendaInterfaces"})
        EXPECT_NE(interfaces.FindInterface(name), nullptr) << name;
    for (const char* name : {"BaseObject", "redirectinterfaces"})
        EXPECT_EQ(interfaces.FindInterface(name), nullptr) << name;
    EXPECT_EQ(interfaces.GetRequiredInterfaces().GetCount(), 0);
}

TEST(PluginListTest, NamesTheFifteenClassesInStartingOrderEachEndedByALineFeed) {
    const char* list = GetAuthoringPluginList();
    EXPECT_EQ(GetAuthoringPluginList(), list);
    EXPECT_STREQ(list, "DeleteHandler\nAuthoringScriptExceptionHandler\nMDIChildUpdater\n"
                       "ControlMenuHandler\nAddKeyFrameHandler\nMoveInstances\n"
                       "CastMemberToInstance\nQuendaInterfaces\nTransformObjectHandler\n"
                       "TransformViewHandler\nFileMenuHandler\nInsertMenuHandler\n"
                       "ViewMenuHandler\nMenuManagerStdImpl\nAcceleratorManagerStdImpl\n");
}

} // namespace
