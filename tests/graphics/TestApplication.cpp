#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Fonts, text and windows need a running Qt application; the tests run it on
// the offscreen platform.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "test_graphics";
        static char* argv[] = {name, nullptr};
        m_pApp = new QApplication(argc, argv);
    }
    void TearDown() override { delete m_pApp; }

private:
    QApplication* m_pApp = nullptr;
};

const auto* g_pEnvironment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace
