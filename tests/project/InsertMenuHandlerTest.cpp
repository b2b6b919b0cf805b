#include "TestHost.h"

#include "core/QuendaInterfaces.h"
#include "platform/Automation.h"
#include "project/InsertMenuHandler.h"
#include "timeline/CastListFrame.h"

#include "framework/ClassRecord.h"
#include "framework/PluginClass.h"

#include <QApplication>

namespace {

// A cast member class whose file types and load result a test sets; every
// load is logged with the class's number, the file and whether the author
// saw the wait cursor.
template <int N> class TypedCM : public CastMember {
  public:
    static inline StringList s_types;
    static inline bool s_bLoads = true;

    void SetFileName(Pointer<BaseObject>, const String& fileName) override { m_file = fileName; }
    String GetFileName() override { return m_file; }
    String GetName() override { return "member " + std::to_string(N); }
    StringList GetFileTypes() override { return s_types; }
    bool Load() override {
        QCursor* cursor = QApplication::overrideCursor();
        bool waiting = cursor && cursor->shape() == Qt::WaitCursor;
        CallLog().push_back("Load " + std::to_string(N) + " " + m_file.str() +
                            (waiting ? " (wait)" : ""));
        return s_bLoads;
    }
    void DrawThumbnail(CDC*, CDC*, const tagRECT&) override {
        CallLog().push_back("DrawThumbnail " + std::to_string(N));
    }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name).Answer("CastMember", static_cast<CastMember*>(this)).Result();
    }

  private:
    String m_file;
};

ClassRecord s_firstClass("FirstTypedCM", &PluginClass<TypedCM<1>>::Create,
                         &PluginClass<TypedCM<1>>::Supports);
ClassRecord s_secondClass("SecondTypedCM", &PluginClass<TypedCM<2>>::Create,
                          &PluginClass<TypedCM<2>>::Supports);

class InsertMenuHandlerTest : public CommandsTest {
  protected:
    void SetUp() override {
        CommandsTest::SetUp();
        TypedCM<1>::s_types = {"First (*.a)\n*.a"};
        TypedCM<2>::s_types = {"Second (*.b)\n*.b"};
        TypedCM<1>::s_bLoads = TypedCM<2>::s_bLoads = true;
        m_pCast = new FakeCastList;
        Publish(m_pCast);
        m_pInterfaces = new QuendaInterfaces;
        m_pInterfaces->AddClass(s_firstClass.Get());
        m_pInterfaces->AddClass(s_secondClass.Get());
        m_pInterfaces->Initialize();
        m_pHandler = new InsertMenuHandler;
        m_pHandler->Initialize();
    }
    void TearDown() override {
        m_pInterfaces->Shutdown();
        CommandsTest::TearDown();
    }
    // Insert Cast Member with the file dialog answered by the path; the calls
    // it made and the texts of the message boxes it showed.
    Texts InsertCastMember(const std::string& path) {
        Automation::Instance().Clear();
        Automation::Instance().QueueFileAnswer(path);
        CallLog().clear();
        m_pHandler->ExecuteMenuItem(InsertMenuHandler::kCastMember);
        Texts calls = CallLog();
        for (const auto& message : Automation::Instance().GetMessages())
            calls.push_back("message " + message.text + " " + std::to_string(message.flags));
        return calls;
    }
    Pointer<FakeCastList> m_pCast;
    Pointer<QuendaInterfaces> m_pInterfaces;
    Pointer<InsertMenuHandler> m_pHandler;
};

TEST_F(InsertMenuHandlerTest, TheFilterListsEveryTypeOfEveryClassInOrder) {
    const std::tuple<int, StringList, StringList, const char*> cases[] = {
        {0, {}, {}, "All Files (*.*)|*.*||"},
        {2, {}, {"no line feed"}, "All Files (*.*)|*.*||"},
        {1, {"A\n*.a"}, {}, "Supported Types|*.a|A|*.a|All Files (*.*)|*.*||"},
        {2, {"A\n*.a"}, {"B\n*.b"}, "Supported Types|*.a; *.b|A|*.a|B|*.b|All Files (*.*)|*.*||"},
        {1, StringList{"A\n*.a", "skipped", "C\n*.c\nmore"}, StringList{},
         "Supported Types|*.a; *.c\nmore|A|*.a|C|*.c\nmore|All Files (*.*)|*.*||"},
        // Only the first 127 characters of an entry count.
        {1, {std::string(127, 'x') + "\n*.z"}, {}, "All Files (*.*)|*.*||"},
    };
    for (const auto& [classes, first, second, filter] : cases) {
        TypedCM<1>::s_types = first;
        TypedCM<2>::s_types = second;
        CastMemberList prototypes;
        if (classes > 0)
            prototypes.push_back(new TypedCM<1>);
        if (classes > 1)
            prototypes.push_back(new TypedCM<2>);
        EXPECT_EQ(InsertMenuHandler::BuildFileFilter(prototypes).str(), filter);
    }
}

TEST_F(InsertMenuHandlerTest, TheFirstClassThatReadsTheFileTypeLoadsIt) {
    TypedCM<2>::s_types = {"Also A (*.a)\n*.a", "Second (*.b)\n*.b"};
    const std::string a1 = "Load 1 /m/x.a (wait)", a2 = "Load 2 /m/x.a (wait)";
    const std::string failed = "message Unable to load cast member!\n 16";
    const std::tuple<bool, bool, const char*, Texts, size_t> cases[] = {
        {true, true, "/m/x.b", {"Load 2 /m/x.b (wait)", "DrawThumbnail 2"}, 1},
        // Extensions match byte for byte.
        {true, true, "/m/x.A", {}, 0},
        {true, true, "/m/noextension", {}, 0},
        {false, true, "/m/x.a", {a1, a2, "DrawThumbnail 2", failed}, 1},
        {false, false, "/m/x.a", {a1, a2, failed, failed}, 0},
    };
    // The open cast list shows the new member at once.
    CastListFrame* castList = nullptr;
    castList = new CastListFrame(&castList);
    ASSERT_TRUE(castList->LoadFrame(104, 0x06EF0000, m_pMainWnd));
    castList->ShowWindow(SW_RESTORE);
    for (const auto& [firstLoads, secondLoads, path, calls, members] : cases) {
        TypedCM<1>::s_bLoads = firstLoads;
        TypedCM<2>::s_bLoads = secondLoads;
        m_pCast->m_members.clear();
        EXPECT_EQ(InsertCastMember(path), calls) << path;
        EXPECT_EQ(m_pCast->m_members.size(), members) << path;
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    castList->DestroyWindow();
}

} // namespace
