#include "SessionProcess.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cctype>
#include <fstream>
#include <string>

// Each folder of cases/ is one scripted session: session.script runs in a
// fresh folder holding a link to the application folder's samples, and every
// other .json file of the case names a dump the script writes there and what
// that dump must hold. An expected object lists only the keys that matter; a
// list must have as many entries as the dump's, `{}` standing for one that
// does not matter.

namespace {

nlohmann::json ReadJson(const QString& path) {
    std::ifstream file(path.toStdString());
    return nlohmann::json::parse(file, nullptr, false);
}

// The first place where the dump differs from what is expected, or "".
std::string Mismatch(const nlohmann::json& expected, const nlohmann::json& actual,
                     const std::string& where) {
    if (expected.is_object() && actual.is_object()) {
        for (const auto& [key, value] : expected.items()) {
            if (!actual.contains(key))
                return where + "/" + key + " is missing";
            if (std::string found = Mismatch(value, actual[key], where + "/" + key); !found.empty())
                return found;
        }
        return "";
    }
    if (expected.is_array() && actual.is_array()) {
        if (expected.size() != actual.size())
            return where + " has " + std::to_string(actual.size()) + " entries, expected " +
                   std::to_string(expected.size());
        for (size_t i = 0; i < expected.size(); ++i)
            if (std::string found =
                    Mismatch(expected[i], actual[i], where + "/" + std::to_string(i));
                !found.empty())
                return found;
        return "";
    }
    if (expected == actual)
        return "";
    return where + " is " + actual.dump() + ", expected " + expected.dump();
}

std::vector<std::string> Cases() {
    std::vector<std::string> names;
    for (const QString& name :
         QDir(CORVANE_SESSION_CASES).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        names.push_back(name.toStdString());
    return names;
}

class SessionCase : public testing::TestWithParam<std::string> {};

TEST_P(SessionCase, LeavesTheStateItsDumpsExpect) {
    QDir source(QString(CORVANE_SESSION_CASES "/") + QString::fromStdString(GetParam()));
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(QFile::link(CORVANE_APP_DIR "/samples", folder.filePath("samples")));
    SessionRun run = RunSession(source.filePath("session.script"), {}, folder.path());
    ASSERT_EQ(run.exitCode, 0) << run.errors;

    QStringList dumps = source.entryList({"*.json"}, QDir::Files);
    ASSERT_FALSE(dumps.isEmpty()) << "a case with nothing to compare";
    for (const QString& dump : dumps) {
        ASSERT_TRUE(QFile::exists(folder.filePath(dump))) << dump.toStdString() << " not written";
        nlohmann::json expected = ReadJson(source.filePath(dump));
        ASSERT_FALSE(expected.is_discarded()) << dump.toStdString() << " in the case is not JSON";
        EXPECT_EQ(Mismatch(expected, ReadJson(folder.filePath(dump)), dump.toStdString()), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SessionCase, testing::ValuesIn(Cases()), [](const auto& info) {
    std::string name = info.param;
    for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
});

} // namespace
