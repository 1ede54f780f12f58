#include "app/bus/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace pomelo;

// Where the instance lock lives when the session offers no runtime folder
// and Qt's fallback, runtime-<user> in the temporary folder, is unusable
// (here a symlink, as another user could plant).
class SingleInstanceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void withoutARuntimeFolderTheLockGoesToAPrivateCacheFolder();
    void aLockNamingThisVeryProcessIsTakenAsAnyOther();
    void aSymlinkedCacheFolderIsRefusedButTheGadgetStillStarts();

private:
    QTemporaryDir cache_;
};

void SingleInstanceTest::initTestCase() {
    QVERIFY(cache_.isValid());
    QCoreApplication::setApplicationName(QStringLiteral("pomelo"));
    const QString fallback =
        cache_.filePath(QStringLiteral("runtime-")) + getpwuid(geteuid())->pw_name;
    QVERIFY(QFile::link(cache_.path(), fallback));
    qputenv("TMPDIR", QFile::encodeName(cache_.path()));
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache_.path()));
}

void SingleInstanceTest::withoutARuntimeFolderTheLockGoesToAPrivateCacheFolder() {
    const QString folder = cache_.filePath(QStringLiteral("pomelo"));
    QCOMPARE(SingleInstance::lockPath(), folder + QStringLiteral("/pomelo.lock"));
    struct stat status {};
    QCOMPARE(lstat(QFile::encodeName(folder).constData(), &status), 0);
    QCOMPARE(status.st_mode & 0777, 0700U);

    SingleInstance first;
    QVERIFY(first.take());
    QVERIFY(QFile::exists(folder + QStringLiteral("/pomelo.lock")));
    QVERIFY(!QFile::exists(QStringLiteral("/pomelo.lock")));
}

// After a reboot the process ids start over: the one a copy left behind may
// be the new copy's own.
void SingleInstanceTest::aLockNamingThisVeryProcessIsTakenAsAnyOther() {
    QFile left(SingleInstance::lockPath());
    QVERIFY(left.open(QIODevice::WriteOnly | QIODevice::Truncate));
    left.write(QByteArray::number(QCoreApplication::applicationPid()) + "\npomelo\n");
    left.close();
    QVERIFY(SingleInstance().take());
}

void SingleInstanceTest::aSymlinkedCacheFolderIsRefusedButTheGadgetStillStarts() {
    const QString folder = cache_.filePath(QStringLiteral("pomelo"));
    QVERIFY(QDir(folder).removeRecursively());
    QTemporaryDir elsewhere;
    QVERIFY(QFile::link(elsewhere.path(), folder));
    QCOMPARE(SingleInstance::lockPath(), QString());
    QVERIFY(SingleInstance().take());
    QVERIFY(QDir(elsewhere.path()).isEmpty());
}

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
