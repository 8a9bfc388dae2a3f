// The built program run twice: the second copy ends at once with status 0 and
// writes nothing; a lock left by a killed copy does not keep the next one out.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Home {
    Home() {
        QDir(dir.path()).mkpath(QStringLiteral("config"));
        QDir(dir.path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(
            runtime(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
    }
    QString config() const { return dir.path() + QStringLiteral("/config"); }
    QString runtime() const { return dir.path() + QStringLiteral("/runtime"); }
    QString lockFile() const { return runtime() + QStringLiteral("/Vexa Orvane_r3.lock"); }
    QString settingsFile() const { return config() + QStringLiteral("/Vexa/Orvane_r3.conf"); }
    void Start(QProcess& p) const {
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ORVANE_BIN_DIR "/orvane"), {});
    }

    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
};

TEST(SecondInstance, EndsAtOnceWritingNothingAndAStaleLockIsTakenOver) {
    Home home;
    QProcess first;
    home.Start(first);
    ASSERT_TRUE(first.waitForStarted(5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(home.lockFile()); }, 10000));

    QProcess second;
    home.Start(second);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(home.settingsFile()));
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill();  // a crash: the lock file stays behind
    ASSERT_TRUE(first.waitForFinished(5000));
    ASSERT_TRUE(QFileInfo::exists(home.lockFile()));
    QProcess third;
    home.Start(third);
    ASSERT_TRUE(third.waitForStarted(5000));
    EXPECT_FALSE(third.waitForFinished(1500));  // it took the lock and runs
    third.kill();
    third.waitForFinished(5000);
}

}  // namespace
