#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <string>

// What a session of the real executable ended with.
struct SessionRun {
    int exitCode = -1;
    std::string errors;
};

// Runs the real executable on a script from its application folder, as a
// person runs it from a shell there, or from the folder HOME. Its settings and
// recovery copies go to HOME, or to a folder of its own: never the user's, and
// nothing from other runs comes in.
inline SessionRun RunSession(const QString& script, const QStringList& more = {},
                             const QString& home = {}) {
    QTemporaryDir own;
    const QString state = home.isEmpty() ? own.path() : home;
    QProcess process;
    process.setWorkingDirectory(home.isEmpty() ? QStringLiteral(CORVANE_APP_DIR) : home);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", state + "/config");
    environment.insert("XDG_STATE_HOME", state + "/state");
    process.setProcessEnvironment(environment);
    process.setProgram(QStringLiteral(CORVANE_APP_DIR "/corvane"));
    process.setArguments(QStringList{"--offscreen", "--script", script} + more);
    process.start();
    EXPECT_TRUE(process.waitForFinished(240000)) << "the session did not end";
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError().toStdString()};
}
