#include "PlatformTestSupport.h"
#include "platform/Automation.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/WaitCursor.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

    Automation& m_automation = Automation::Instance();
    QTemporaryDir m_dir;
};

TEST_F(PreparedAnswerTest, AMessageBoxTakesTheQueuedAnswerAndIsRecorded) {
    m_automation.QueueMessageAnswer(IDNO);
    m_automation.QueueMessageAnswer(IDYES);
    EXPECT_EQ(AfxMessageBox("Script error\n\nDo you want to view the code?", MB_YESNO | MB_ICONEXCLAMATION), IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, "Second", "Caption", MB_YESNO), IDYES);
    ASSERT_EQ(m_automation.GetMessages().size(), 2u);
    EXPECT_EQ(m_automation.GetMessages()[0].text, "Script error\n\nDo you want to view the code?");
    EXPECT_EQ(m_automation.GetMessages()[0].flags, 0x34u);
    EXPECT_EQ(m_automation.GetMessages()[0].answer, IDNO);
    EXPECT_EQ(m_automation.GetMessages()[1].answer, IDYES);
}

TEST_F(PreparedAnswerTest, InSessionModeAnUnansweredBoxTakesItsDefaultButton) {
    m_automation.SetSessionMode(true);
    EXPECT_EQ(AfxMessageBox("Unable to load cast member!\n", MB_ICONHAND), IDOK);
    EXPECT_EQ(AfxMessageBox("Question", MB_YESNOCANCEL), IDYES);
    EXPECT_EQ(AfxMessageBox("Question", MB_YESNOCANCEL | MB_DEFBUTTON3), IDCANCEL);
    EXPECT_EQ(AfxMessageBox("Question", MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
    EXPECT_EQ(m_automation.GetMessages().size(), 4u);
    EXPECT_EQ(m_automation.GetMessages()[0].flags, static_cast<unsigned>(MB_ICONHAND));
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
    std::string backslashed = PathIn("a.qmx");
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    m_automation.QueueFileAnswer(PathIn("tour"));
    m_automation.QueueFileAnswer(PathIn("notes.txt"));
    m_automation.QueueFileAnswer(backslashed);
    m_automation.QueueFileAnswer(std::nullopt);
    CFileDialog save(FALSE, "qmx", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter);
    ASSERT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName(), PathIn("tour.qmx").c_str());
    EXPECT_EQ(save.GetFileName(), "tour.qmx");
    EXPECT_EQ(save.GetFileExt(), "qmx");
    CFileDialog open(TRUE, "qmx", nullptr, OFN_HIDEREADONLY, kFilter);
    ASSERT_EQ(open.DoModal(), IDOK);
    EXPECT_EQ(open.GetPathName(), PathIn("notes.txt").c_str());
    // Backslashes in a path mean slashes.
    CFileDialog windowsPath(TRUE, "qmx", nullptr, OFN_HIDEREADONLY, kFilter);
    ASSERT_EQ(windowsPath.DoModal(), IDOK);
    EXPECT_EQ(windowsPath.GetPathName(), PathIn("a.qmx").c_str());
    CFileDialog cancelled(TRUE, "qmx", nullptr, OFN_HIDEREADONLY, kFilter);
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(cancelled.GetPathName(), "");
}

TEST_F(PreparedAnswerTest, ReplacingAnExistingFileIsAskedFirst) {
    std::string path = PathIn("old.qmx");
    Touch(path);
    m_automation.QueueFileAnswer(path);
    m_automation.QueueMessageAnswer(IDYES);
    CFileDialog accepted(FALSE, "qmx", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter);
    EXPECT_EQ(accepted.DoModal(), IDOK);
    ASSERT_EQ(m_automation.GetMessages().size(), 1u);
    EXPECT_EQ(m_automation.GetMessages()[0].text, path + " already exists.\nDo you want to replace it?");

    // The prompt's default is No: a session without an answer keeps the file.
    m_automation.SetSessionMode(true);
    m_automation.QueueFileAnswer(path);
    CFileDialog refused(FALSE, "qmx", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter);
    EXPECT_EQ(refused.DoModal(), IDCANCEL);
    EXPECT_EQ(m_automation.GetMessages().back().answer, IDNO);

    // Without the flag nothing is asked.
    m_automation.QueueFileAnswer(path);
    CFileDialog silent(FALSE, "qmx", nullptr, OFN_HIDEREADONLY, kFilter);
    EXPECT_EQ(silent.DoModal(), IDOK);
    EXPECT_EQ(m_automation.GetMessages().size(), 2u);
}

TEST_F(PreparedAnswerTest, AFileThatMustExistIsCheckedOnlyWhenAskedFor) {
    std::string missing = PathIn("missing.qmx");
    m_automation.QueueFileAnswer(missing);
    m_automation.QueueMessageAnswer(IDOK);
    CFileDialog strict(TRUE, "qmx", nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kFilter);
    EXPECT_EQ(strict.DoModal(), IDCANCEL);
    ASSERT_EQ(m_automation.GetMessages().size(), 1u);
    EXPECT_EQ(m_automation.GetMessages()[0].text, missing + "\nFile not found.\nCheck the file name and try again.");

    m_automation.QueueFileAnswer(missing);
    CFileDialog lenient(TRUE, "qmx", nullptr, OFN_HIDEREADONLY, kFilter);
    EXPECT_EQ(lenient.DoModal(), IDOK);
}

TEST_F(PreparedAnswerTest, ClearDropsAnswersAndRecords) {
    m_automation.QueueMessageAnswer(IDNO);
    m_automation.QueueFileAnswer(PathIn("x"));
    m_automation.RecordProcess({"link.exe", "/OUT:a.exe", "C:\\out"});
    AfxMessageBox("kept until cleared", MB_YESNO);
    EXPECT_EQ(m_automation.GetProcesses().size(), 1u);
    m_automation.Clear();
    m_automation.SetSessionMode(true);
    EXPECT_TRUE(m_automation.GetMessages().empty());
    EXPECT_TRUE(m_automation.GetProcesses().empty());
    EXPECT_EQ(AfxMessageBox("no answer waits", MB_YESNO | MB_DEFBUTTON2), IDNO);
    CFileDialog dialog(TRUE, "qmx", nullptr, OFN_HIDEREADONLY, kFilter);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(PreparedAnswerTest, TheWaitCursorShowsWhileItLives) {
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    {
        CWaitCursor wait;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
