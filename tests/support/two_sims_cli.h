// A gtest fixture for tarvix-cli commands that move data from one transmitter into another:
// two simulators started once for the suite and set back to their factory state before each
// test, tarvix-cli run against either, and a folder for the files a test writes.
#pragma once

#include "tests/support/cli_process.h"
#include "tests/support/sim_process.h"

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace tarvix::testing {

class TwoSimsCliTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        for (SimProcess*& s : sims_) {
            s = new SimProcess;
            QString error;
            ASSERT_TRUE(s->Start({QStringLiteral("--freeze")}, &error)) << error.toStdString();
        }
    }
    static void TearDownTestSuite() {
        for (SimProcess*& s : sims_) {
            delete s;
            s = nullptr;
        }
    }
    void SetUp() override {
        for (SimProcess* s : sims_) ASSERT_EQ(Sim(s, QStringLiteral("factory")), "ok");
    }
    static CliOutcome Cli(SimProcess* s, const QStringList& args) {
        return RunCli(QStringLiteral(TARVIX_BIN_DIR "/tarvix-cli"),
                      QStringList{QStringLiteral("--port"), s->Link()} + args);
    }
    static std::string Sim(SimProcess* s, const QString& command) {
        return s->Command(command).toStdString();
    }
    static bool Contains(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }
    QString File(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    // One suite runs at a time in a test program, so the two simulators can be shared.
    inline static SimProcess* sims_[2] = {nullptr, nullptr};
    QTemporaryDir dir_;
};

}  // namespace tarvix::testing
