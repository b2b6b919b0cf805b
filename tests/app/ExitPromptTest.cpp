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

void Choose(HostApplication& host, const std::vector<std::string>& texts) {
    MenuDriver driver(*host.GetMainFrame());
    driver.Choose(driver.FindCommand(texts));
    SessionRunner::ProcessPendingEvents();
}

// Closing with unsaved changes asks; Yes saves through Save (Save As for a
// new project), No discards. Closing by the menu and by the window itself ask
// alike.
TEST(ExitPrompt, UnsavedChangesAreAskedAboutThenSavedOrDropped) {
    QTemporaryDir folder;
    std::string file = folder.filePath("made.qmx").toStdString();
    struct Case {
        const char* name;
        bool change;
        int answer;
        std::optional<std::string> saveAs;
        bool byMenu;
    };
    const Case cases[] = {
        {"unchanged", false, 0, std::nullopt, true},
        {"no", true, IDNO, std::nullopt, false},
        {"yes", true, IDYES, file, true},
    };
    for (const Case& test : cases) {
        Automation::Instance().Clear();
        Automation::Instance().SetSessionMode(true);
        HostApplication host;
        host.Start(CORVANE_APP_DIR "/Plugins/", true);
        SessionRunner::ProcessPendingEvents();
        if (test.change)
            Choose(host, {"I&nsert", "Light"});

        if (test.answer)
            Automation::Instance().QueueMessageAnswer(test.answer);
        Automation::Instance().QueueFileAnswer(test.saveAs);
        if (test.byMenu)
            Choose(host, {"&File", "E&xit\tAlt+F4"});
        else
            host.GetMainFrame()->GetMainWindow()->close();
        SessionRunner::ProcessPendingEvents();

        EXPECT_EQ(Automation::Instance().GetMessages().size(), test.change ? 1u : 0u) << test.name;
        EXPECT_EQ(host.GetMainFrame(), nullptr) << test.name;
        EXPECT_EQ(std::filesystem::exists(file), test.saveAs.has_value()) << test.name;
        host.Shutdown();
    }
}

} // namespace
