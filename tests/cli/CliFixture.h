#pragma once

#include "TestUtil.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

/** qx7-cli run as a process in a temporary application directory. */
class CliFixture : public ::testing::Test {
  protected:
    // Runs qx7-cli, or the command line that ends with the program to run.
    CliRun cli(const QStringList& args, const QStringList& command = {}) {
        QProcess p;
        prepare(p);
        if (command.isEmpty())
            p.start(QStringLiteral(QX7_CLI), args);
        else
            p.start(command.first(), command.mid(1) + args);
        EXPECT_TRUE(p.waitForFinished(20000));
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromLocal8Bit(p.readAllStandardError())};
    }
    /** The environment of every run: the temporary home, a fixed save time, UTC. */
    void prepare(QProcess& p) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QX7_HOME", m_dir.path());
        env.insert("SOURCE_DATE_EPOCH", "1717596420"); // 2024-06-05 14:07 UTC
        env.insert("TZ", "UTC");
        for (auto it = m_env.begin(); it != m_env.end(); ++it)
            env.insert(it.key(), it.value());
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(m_dir.path());
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
    /** Variables a test sets for the runs after. */
    QMap<QString, QString> m_env;
};
