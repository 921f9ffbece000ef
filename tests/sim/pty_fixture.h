// The simulator on a pseudo-terminal with our own link code as its master, and mbpoll as a
// third-party one: the fixture of the tests that drive tarvix-sim from the master's side.
#pragma once

#include "tests/support/sim_process.h"

#include "link/com_setup.h"
#include "link/modbus_list.h"
#include "link/modbus_rtu.h"

#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <map>
#include <string>
#include <vector>

namespace tarvix::sim::test {

struct SimOnPty : ::testing::Test {
    testing::SimProcess sim;
    ComSetup com;

    void StartAndOpen(const QStringList& extra = {QStringLiteral("--freeze")}) {
        QString error;
        ASSERT_TRUE(sim.Start(extra, &error)) << error.toStdString();
        Open(sim.Link());
    }
    // One control command to the simulator; its reply line.
    std::string Sim(const QString& command) const { return sim.Command(command).toStdString(); }
    void Open(const QString& port) {
        com.PortName = port;
        com.SetBaudRate(115200);
        com.AnsDelay = 200;
        com.Address = 1;
        ASSERT_TRUE(com.OpenPort()) << com.LastError().toStdString();
    }

    // One transaction of our link code: result code, and the values read.
    std::uint8_t Read(int start, int count, std::vector<std::uint16_t>* values = nullptr) {
        ModbusList list;
        list.AppendRead(static_cast<std::uint16_t>(start), static_cast<std::uint16_t>(count));
        list.Launch();
        const std::uint8_t r = ExecuteTransaction(com, list);
        if (values) values->assign(list.Values.begin(), list.Values.begin() + count);
        return r;
    }
    std::uint8_t Write(int start, const std::vector<std::uint16_t>& values) {
        ModbusList list;
        list.Append(kFnWriteHolding, static_cast<std::uint16_t>(start),
                    static_cast<std::uint16_t>(values.size()), 0, static_cast<int>(values.size()));
        std::copy(values.begin(), values.end(), list.Values.begin());
        list.Launch();
        return ExecuteTransaction(com, list);
    }

    std::uint8_t WriteFloat(int low, float value) {
        const auto bits = std::bit_cast<std::uint32_t>(value);
        return Write(low,
                     {static_cast<std::uint16_t>(bits), static_cast<std::uint16_t>(bits >> 16)});
    }

    // Reads until the line has been quiet for 300 ms.
    void DrainLine() {
        const std::uint16_t saved = com.AnsDelay;
        com.AnsDelay = 300;
        while (com.ReadBytes(256) > 0) {
        }
        com.AnsDelay = saved;
    }

    // mbpoll, 0-based register numbers, one poll; returns its output.
    std::string Mbpoll(const QStringList& args) {
        QProcess p;
        QStringList all{QStringLiteral("-m"), QStringLiteral("rtu"),  QStringLiteral("-a"),
                        QStringLiteral("1"),  QStringLiteral("-b"),   QStringLiteral("115200"),
                        QStringLiteral("-P"), QStringLiteral("none"), QStringLiteral("-0"),
                        QStringLiteral("-1")};
        all += args;
        p.start(QStringLiteral("mbpoll"), all);
        p.waitForFinished(10000);
        return (p.readAllStandardOutput() + p.readAllStandardError()).toStdString();
    }
    static std::map<int, QString> Values(const std::string& mbpollOutput) {
        std::map<int, QString> v;
        static const QRegularExpression line(QStringLiteral("^\\[(\\d+)\\]:\\s+(\\S+)"),
                                             QRegularExpression::MultilineOption);
        auto it = line.globalMatch(QString::fromStdString(mbpollOutput));
        while (it.hasNext()) {
            const auto m = it.next();
            v[m.captured(1).toInt()] = m.captured(2);
        }
        return v;
    }
    void RequireMbpoll() {
        if (QStandardPaths::findExecutable(QStringLiteral("mbpoll")).isEmpty()) {
            GTEST_SKIP() << "mbpoll is not installed (the test command installs it)";
        }
    }
};

}  // namespace tarvix::sim::test
