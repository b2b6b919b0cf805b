#include "app/RecoveryKeeper.h"
#include "app/RecoveryStore.h"

#include "host/Instance.h"
#include "host/Project.h"
#include "host/TimeLine.h"
#include "model/ProjectModel.h"

#include "framework/RTTIClass.h"
#include "framework/SharedObjects.h"
#include "platform/Automation.h"
#include "platform/WinTypes.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include <nlohmann/json.hpp>

#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/file.h>

namespace {

// Tools are told apart by the owner of their copies: these numbers stand for
// processes of their own.
constexpr long kFirstTool = 1000001;
constexpr long kSecondTool = 1000002;
constexpr long kRunningTool = 1000003;

std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class RecoveryTest : public testing::Test {
  protected:
    void SetUp() override {
        Automation::Instance().Clear();
        Automation::Instance().SetSessionMode(true);
        m_model.SetManualTiming(true);
        m_model.Publish(GetSharedObjects());
        m_pProject = GetSharedObjects()->GetObjectA("Project").As<Project>("Project");
    }
    void TearDown() override { m_model.Withdraw(GetSharedObjects()); }

    void AddLight() {
        Pointer<Instance> light(
            static_cast<Instance*>(RTTIClass::FindClass("Light")->GetCreateFunction()("Instance")));
        GetSharedObjects()
            ->GetObjectA("Time Line")
            .As<TimeLine>("TimeLine")
            ->AddInstance(light, 1, 1, 10);
    }
    // The copies in the recovery folder, by file name.
    std::vector<std::string> Copies() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_state))
            if (entry.path().extension() == ".qmx")
                names.push_back(entry.path().filename().string());
        return names;
    }

    QTemporaryDir m_folder;
    // Where the tool keeps its copies with XDG_STATE_HOME at m_folder/state.
    std::filesystem::path m_state = m_folder.filePath("state/corvane/recovery").toStdString();
    std::filesystem::path m_file = m_folder.filePath("a.qmx").toStdString();
    ProjectModel m_model;
    Pointer<Project> m_pProject;
};

// A copy is written while there are changes that no copy holds yet, never over
// the project file; saving removes it; New keeps the copy of the project it
// replaces; a clean exit removes only the current copy.
TEST_F(RecoveryTest, ACopyFollowsTheUnsavedChangesAndNeverTouchesTheProjectFile) {
    ASSERT_TRUE(m_pProject->Save(Pointer<BaseObject>(), String(m_file.string())));
    std::string saved = Read(m_file);
    RecoveryKeeper keeper(m_model, m_state, kFirstTool);
    struct Step {
        const char* name;
        std::function<void()> action;
        size_t copies;
    };
    const Step steps[] = {
        {"unchanged", [] {}, 0},
        {"changed", [&] { AddLight(); }, 1},
        {"changed again", [&] { AddLight(); }, 1},
        {"saved",
         [&] {
             m_pProject->Save(Pointer<BaseObject>(), String(m_file.string()));
             saved = Read(m_file);
         },
         0},
        {"changed, then new",
         [&] {
             AddLight();
             keeper.KeepBeforeReplacing();
             m_pProject->New();
         },
         1},
        {"changed after new", [&] { AddLight(); }, 2},
    };
    for (const Step& step : steps) {
        step.action();
        keeper.KeepCopy();
        keeper.KeepCopy(); // settles the write
        std::vector<std::string> copies = Copies();
        ASSERT_EQ(copies.size(), step.copies) << step.name;
        EXPECT_EQ(Read(m_file), saved) << step.name;
        for (const std::string& name : copies)
            EXPECT_TRUE(name.starts_with(std::to_string(kFirstTool) + "-")) << name;
    }
    keeper.Finish();
    ASSERT_EQ(Copies().size(), 1u);
    EXPECT_TRUE(Copies()[0].ends_with("-a.qmx"));
}

// After a crash the next start offers the copy: Yes restores it as a changed
// project with no file and keeps it as the new tool's copy; No deletes it. A
// tool that is still running keeps its copies to itself.
TEST_F(RecoveryTest, TheNextStartOffersTheCopiesOfToolsThatEndedUncleanly) {
    std::string changed;
    {
        RecoveryKeeper crashed(m_model, m_state, kFirstTool);
        AddLight();
        crashed.KeepCopy();
        changed = m_model.Snapshot();
    } // no Finish: the lock goes as with a killed process, the copy stays

    int running = open((m_state / (std::to_string(kRunningTool) + ".lock")).c_str(),
                       O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_EQ(flock(running, LOCK_EX | LOCK_NB), 0);
    std::ofstream(m_state / (std::to_string(kRunningTool) + "-1-b.qmx")) << "{}";

    ProjectModel restored;
    RecoveryKeeper next(restored, m_state, kSecondTool);
    Automation::Instance().QueueMessageAnswer(IDYES);
    next.OfferRestore();
    ASSERT_EQ(Automation::Instance().GetMessages().size(), 1u);
    EXPECT_NE(Automation::Instance().GetMessages()[0].text.find("\"Untitled\""), std::string::npos);
    EXPECT_EQ(restored.Snapshot(), changed);
    EXPECT_TRUE(restored.IsModified());
    EXPECT_EQ(restored.GetFileName(), "");
    next.KeepCopy();
    std::vector<std::string> copies = Copies();
    std::sort(copies.begin(), copies.end());
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_TRUE(copies[0].starts_with(std::to_string(kSecondTool) + "-"));
    EXPECT_EQ(copies[1], std::to_string(kRunningTool) + "-1-b.qmx");

    // The running tool ends without a clean exit; the next start says No.
    close(running);
    ProjectModel declined;
    RecoveryKeeper third(declined, m_state, kFirstTool);
    Automation::Instance().QueueMessageAnswer(IDNO);
    third.OfferRestore();
    EXPECT_EQ(Automation::Instance().GetMessages().size(), 2u);
    EXPECT_EQ(Copies().size(), 1u);
    EXPECT_FALSE(declined.IsModified());
}

// Across real runs of the tool: New keeps a copy of the changed project it
// replaces, and a later session answers the offer to restore it.
TEST_F(RecoveryTest, ASessionAnswersTheOfferOfACopyAnEarlierRunKept) {
    auto run = [&](const std::string& script) {
        std::filesystem::path path = m_folder.filePath("run.script").toStdString();
        std::ofstream(path) << script;
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_STATE_HOME", m_folder.filePath("state"));
        process.setProcessEnvironment(environment);
        process.start(CORVANE_APP_DIR "/corvane",
                      {"--offscreen", "--script", QString::fromStdString(path.string())});
        EXPECT_TRUE(process.waitForFinished(120000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    };
    run("menu \"I&nsert\" \"Light\"\nmenu \"&File\" \"&New\\tCtrl+N\"\nquit\n");
    ASSERT_EQ(Copies().size(), 1u);

    std::string dump = m_folder.filePath("state.json").toStdString();
    run("answer message yes\ndump \"" + dump + "\"\n");
    nlohmann::json state = nlohmann::json::parse(Read(dump));
    EXPECT_EQ(state["instances"].size(), 1u);
    EXPECT_EQ(state["project"]["file"], "");
    ASSERT_EQ(state["messages"].size(), 1u);
    EXPECT_NE(state["messages"][0]["text"].get<std::string>().find("\"Untitled\""),
              std::string::npos);
    EXPECT_TRUE(Copies().empty());
}

} // namespace
