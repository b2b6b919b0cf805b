#include "PlatformTestSupport.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Every test of the window layer runs inside one Qt application, on the
// offscreen platform unless the caller chose another.
class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        m_pApplication = new QApplication(m_argc, m_argv);
    }
    void TearDown() override {
        FlushDeletes();
        delete m_pApplication;
    }

private:
    int m_argc = 1;
    char m_name[16] = "test_platform";
    char* m_argv[2] = {m_name, nullptr};
    QApplication* m_pApplication = nullptr;
};

const auto* s_pEnvironment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
