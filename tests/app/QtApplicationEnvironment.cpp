#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The host's tests run inside one Qt application, on the offscreen platform
// unless the caller chose another; it is destroyed at the end so that Qt
// releases what it holds.
class QtApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        m_pApplication = new QApplication(m_argc, m_argv);
    }
    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete m_pApplication;
    }

private:
    int m_argc = 1;
    char m_name[16] = "test_app";
    char* m_argv[2] = {m_name, nullptr};
    QApplication* m_pApplication = nullptr;
};

const auto* s_pEnvironment = testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
