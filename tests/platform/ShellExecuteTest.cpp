#include "platform/ShellExecute.h"
#include "platform/Automation.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QThread>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

class ShellExecuteTest : public testing::Test {
  protected:
    void SetUp() override { Automation::Instance().Clear(); }
    void TearDown() override { Automation::Instance().Clear(); }

    std::string Path(const char* name) const {
        return QDir(m_folder.path()).filePath(name).toStdString();
    }
    void Write(const char* name, const std::string& text) {
        std::ofstream(Path(name), std::ios::binary) << text;
    }
    // The detached job is not waited for by anyone: the test looks for what
    // it leaves (each file is renamed into place once complete), for as long
    // as a loaded machine may need.
    std::string AwaitFile(const char* name) {
        for (int attempt = 0; attempt < 600 && !std::filesystem::exists(Path(name)); ++attempt)
            QThread::msleep(50);
        std::ifstream in(Path(name));
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    QTemporaryDir m_folder;
};

INT_PTR Code(HINSTANCE result) {
    return reinterpret_cast<INT_PTR>(result);
}

TEST_F(ShellExecuteTest, AHiddenProgramGetsItsParametersSplitAndNoDisplay) {
    std::string folder = m_folder.path().toStdString();
    EXPECT_GT(Code(ShellExecuteA(nullptr, "open", "/bin/sh",
                                 "-c \"echo $QT_QPA_PLATFORM $0 > e; mv e env.txt\" \"a b\"",
                                 folder.c_str(), SW_HIDE)),
              32);
    EXPECT_EQ(AwaitFile("env.txt"), "offscreen a b\n");
}

TEST_F(ShellExecuteTest, WhatCannotBeStartedIsAnErrorAndNotRecorded) {
    Write("notes.txt", "text");
    std::string folder = m_folder.path().toStdString();
    const struct {
        const char* operation;
        std::string file, folder;
        INT_PTR code;
    } cases[] = {
        {nullptr, "missing.exe", folder, SE_ERR_FNF},
        {nullptr, "/bin/sh", folder + "/missing", SE_ERR_PNF},
        {"print", "/bin/sh", folder, SE_ERR_NOASSOC},
        {nullptr, "notes.txt", folder, SE_ERR_NOASSOC},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Code(ShellExecuteA(nullptr, c.operation, c.file.c_str(), nullptr,
                                     c.folder.c_str(), SW_HIDE)),
                  c.code)
            << c.file;
    EXPECT_TRUE(Automation::Instance().GetProcesses().empty());
}

} // namespace
