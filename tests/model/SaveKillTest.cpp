#include "ModelTestSupport.h"

#include <QProcess>

#include <chrono>
#include <csignal>
#include <random>
#include <thread>

namespace {

class SaveKillTest : public ModelTest {
  protected:
    TemporaryFolder m_folder;

    static std::string ReadLine(QProcess& process) {
        while (!process.canReadLine())
            if (!process.waitForReadyRead(30000))
                return "nothing from the helper: " + process.readAllStandardError().toStdString();
        return process.readLine().trimmed().toStdString();
    }

    int CountLeftovers() const {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(m_folder.Path()))
            count += entry.path().filename().string().starts_with(".out.qmx.");
        return count;
    }
};

// A real process saves a large project over and over and is killed at random
// moments: the file is always one complete save, the old or the new, and the
// next save removes the temporary file a killed one left behind.
TEST_F(SaveKillTest, AKillAtAnyMomentLeavesTheOldFileOrTheNewOne) {
    EnsureApplication();
    Pointer<CastMember> light = NewCastMember("LightCM");
    Pointer<Instance> first;
    for (int i = 0; i < 1000; ++i) {
        Pointer<Instance> placed =
            Place("Light", light, 1 + i / 100, 1 + i % 100 * 10, 10 + i % 100 * 10);
        first = first ? first : placed;
    }
    ASSERT_TRUE(Set(first, "TranslateX", "1"));
    ASSERT_TRUE(m_pProject->Save(Pointer<BaseObject>(), String((m_folder / "in.qmx").string())));
    std::string one = ReadFile(m_folder / "in.qmx");
    ASSERT_TRUE(Set(first, "TranslateX", "2"));
    auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(m_pProject->Save(Pointer<BaseObject>(), String((m_folder / "two.qmx").string())));
    auto saveTime = std::chrono::steady_clock::now() - started;
    std::string two = ReadFile(m_folder / "two.qmx");
    ASSERT_NE(one, two);

    QProcess helper;
    helper.start(QStringLiteral(SAVE_LOOP),
                 {QString::fromStdString((m_folder / "in.qmx").string()),
                  QString::fromStdString((m_folder / "out.qmx").string())});
    std::mt19937 random(13);
    std::uniform_int_distribution<long long> delay(0, 3 * saveTime.count());
    int killedMidWrite = 0;
    for (int kill = 0; kill < 200; ++kill) {
        helper.write("\n");
        std::string started = ReadLine(helper);
        ASSERT_TRUE(started.starts_with("saving ")) << started;
        std::this_thread::sleep_for(std::chrono::steady_clock::duration(delay(random)));
        ::kill(std::stoi(started.substr(7)), SIGKILL);
        ASSERT_EQ(ReadLine(helper), "gone");
        std::string text = ReadFile(m_folder / "out.qmx");
        ASSERT_TRUE(text == one || text == two)
            << "kill " << kill << " left " << text.size() << " bytes";
        killedMidWrite += CountLeftovers() > 0;
    }
    // Otherwise no kill fell inside a write and the loop proved nothing.
    EXPECT_GT(killedMidWrite, 0);
    helper.closeWriteChannel();
    EXPECT_TRUE(helper.waitForFinished(30000));

    ASSERT_TRUE(m_pProject->Save(Pointer<BaseObject>(), String((m_folder / "out.qmx").string())));
    EXPECT_EQ(CountLeftovers(), 0);
}

} // namespace
