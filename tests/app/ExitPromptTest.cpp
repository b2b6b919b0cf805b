#include "app/HostApplication.h"
#include "app/MainFrame.h"
#include "app/MenuDriver.h"
#include "app/SessionRunner.h"

#include "platform/Automation.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <QMainWindow>
#include <QTemporaryDir>

#include <filesystem>
#include <optional>

namespace {

std::string TitleOf(HostApplication& host) {
    String title;
    host.GetMainFrame()->GetWindowText(title);
    return title.str();
}

void Choose(HostApplication& host, const std::vector<std::string>& texts) {
    MenuDriver driver(*host.GetMainFrame());
    driver.Choose(driver.FindCommand(texts));
    SessionRunner::ProcessPendingEvents();
}

// Closing with unsaved changes asks; Yes saves through Save (Save As for a
// new project), No discards, Cancel or a cancelled Save As keeps the tool
// open. Closing by the menu and by the window itself ask alike.
TEST(ExitPrompt, TheThreeAnswersAndTheTitle) {
    QTemporaryDir folder;
    std::string file = folder.filePath("made.qmx").toStdString();
    struct Case {
        const char* name;
        bool change;
        int answer;
        std::optional<std::string> saveAs;
        bool byMenu;
        bool closes;
    };
    const Case cases[] = {
        {"unchanged", false, 0, std::nullopt, true, true},
        {"no", true, IDNO, std::nullopt, false, true},
        {"cancel", true, IDCANCEL, std::nullopt, true, false},
        {"yes, save as cancelled", true, IDYES, std::nullopt, false, false},
        {"yes", true, IDYES, file, true, true},
    };
    for (const Case& test : cases) {
        Automation::Instance().Clear();
        Automation::Instance().SetSessionMode(true);
        HostApplication host;
        host.Start(CORVANE_APP_DIR "/Plugins/", true);
        SessionRunner::ProcessPendingEvents();
        EXPECT_EQ(TitleOf(host), "Untitled - Corvane") << test.name;
        if (test.change)
            Choose(host, {"I&nsert", "Light"});
        EXPECT_EQ(TitleOf(host), test.change ? "Untitled* - Corvane" : "Untitled - Corvane")
            << test.name;

        if (test.answer)
            Automation::Instance().QueueMessageAnswer(test.answer);
        Automation::Instance().QueueFileAnswer(test.saveAs);
        if (test.byMenu)
            Choose(host, {"&File", "E&xit\tAlt+F4"});
        else
            host.GetMainFrame()->GetMainWindow()->close();
        SessionRunner::ProcessPendingEvents();

        EXPECT_EQ(Automation::Instance().GetMessages().size(), test.change ? 1u : 0u) << test.name;
        EXPECT_EQ(host.GetMainFrame() == nullptr, test.closes) << test.name;
        EXPECT_EQ(std::filesystem::exists(file), test.saveAs.has_value()) << test.name;
        if (!test.closes) {
            EXPECT_EQ(TitleOf(host), "Untitled* - Corvane") << test.name;
        }
        host.Shutdown();
    }
    EXPECT_NE(Automation::Instance().GetMessages()[0].text.find(
                  "The project \"Untitled\" has unsaved changes."),
              std::string::npos);
}

} // namespace
