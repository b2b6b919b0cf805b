#include "PlatformTestSupport.h"
#include "platform/Automation.h"
#include "platform/CFileDialog.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

const char* const kFilter = "Corvane Projects (*.qmx)|*.qmx|All Files (*.*)|*.*||";

class PreparedAnswerTest : public ::testing::Test {
  protected:
    void SetUp() override { Automation::Instance().Clear(); }
    void TearDown() override {
        Automation::Instance().Clear();
        Automation::Instance().SetSessionMode(false);
        FlushDeletes();
    }
    std::string PathIn(const char* name) { return QDir(m_dir.path()).filePath(name).toStdString(); }
    void Touch(const std::string& path) {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // A file dialog given a queued answer: its result and the path it chose.
    using Answer = std::pair<INT_PTR, std::string>;
    Answer AskFile(std::optional<std::string> answer, BOOL bOpen, DWORD dwFlags = 0) {
        m_automation.QueueFileAnswer(std::move(answer));
        CFileDialog dialog(bOpen, "qmx", nullptr, OFN_HIDEREADONLY | dwFlags, kFilter);
        INT_PTR nResult = dialog.DoModal();
        return {nResult, dialog.GetPathName().str()};
    }

    Automation& m_automation = Automation::Instance();
    QTemporaryDir m_dir;
};

TEST_F(PreparedAnswerTest, AMessageBoxTakesTheQueuedAnswerOrInASessionItsDefaultButton) {
    m_automation.QueueMessageAnswer(IDNO);
    EXPECT_EQ(AfxMessageBox("Script error\n\nDo you want to view the code?",
                            MB_YESNO | MB_ICONEXCLAMATION),
              IDNO);
    m_automation.SetSessionMode(true);
    EXPECT_EQ(AfxMessageBox("Unable to load cast member!\n", MB_ICONHAND), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "Question", "Caption", MB_YESNOCANCEL), IDYES);
    ASSERT_EQ(m_automation.GetMessages().size(), 3u);
    EXPECT_EQ(m_automation.GetMessages()[0].text, "Script error\n\nDo you want to view the code?");
    EXPECT_EQ(m_automation.GetMessages()[0].flags, 0x34u);
    EXPECT_EQ(m_automation.GetMessages()[0].answer, IDNO);
    EXPECT_EQ(m_automation.GetMessages()[2].answer, IDYES);
}

TEST_F(PreparedAnswerTest, OutsideSessionModeABoxIsAskedOfAPerson) {
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Replace it?");
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(MessageBoxA(nullptr, "Replace it?", "Corvane", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(m_automation.GetMessages().back().answer, IDNO);
}

TEST_F(PreparedAnswerTest, AFileDialogTakesTheQueuedPathAndAddsTheDefaultExtension) {
    m_automation.QueueFileAnswer(PathIn("tour"));
    CFileDialog save(FALSE, "qmx", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter);
    ASSERT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName(), PathIn("tour.qmx").c_str());
    EXPECT_EQ(save.GetFileName(), "tour.qmx");
    EXPECT_EQ(save.GetFileExt(), "qmx");
    EXPECT_EQ(AskFile(PathIn("notes.txt"), TRUE), (Answer{IDOK, PathIn("notes.txt")}));
    // Backslashes in a path mean slashes.
    std::string backslashed = PathIn("a.qmx");
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    EXPECT_EQ(AskFile(backslashed, TRUE), (Answer{IDOK, PathIn("a.qmx")}));
    EXPECT_EQ(AskFile(std::nullopt, TRUE), (Answer{IDCANCEL, ""}));
}

TEST_F(PreparedAnswerTest, ReplacingAnExistingFileIsAskedOnlyWhenFlagged) {
    std::string path = PathIn("old.qmx");
    Touch(path);
    m_automation.QueueMessageAnswer(IDYES);
    EXPECT_EQ(AskFile(path, FALSE, OFN_OVERWRITEPROMPT).first, IDOK);
    const auto& messages = m_automation.GetMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, path + " already exists.\nDo you want to replace it?");
    EXPECT_EQ(AskFile(path, FALSE).first, IDOK); // without the flag nothing is asked
    EXPECT_EQ(messages.size(), 1u);

    // The replace prompt's default is No: a session without an answer keeps the file.
    m_automation.SetSessionMode(true);
    EXPECT_EQ(AskFile(path, FALSE, OFN_OVERWRITEPROMPT).first, IDCANCEL);
    EXPECT_EQ(messages.back().answer, IDNO);
}

TEST_F(PreparedAnswerTest, ClearDropsAnswersAndRecords) {
    m_automation.QueueMessageAnswer(IDNO);
    m_automation.QueueFileAnswer(PathIn("x"));
    m_automation.RecordProcess({"link.exe", "/OUT:a.exe", "C:\\out"});
    AfxMessageBox("kept until cleared", MB_YESNO);
    m_automation.Clear();
    m_automation.SetSessionMode(true);
    EXPECT_TRUE(m_automation.GetMessages().empty());
    EXPECT_TRUE(m_automation.GetProcesses().empty());
    EXPECT_EQ(AfxMessageBox("no answer waits", MB_YESNO | MB_DEFBUTTON2), IDNO);
    CFileDialog dialog(TRUE, "qmx", nullptr, OFN_HIDEREADONLY, kFilter);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

} // namespace
