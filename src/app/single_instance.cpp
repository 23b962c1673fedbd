#include "app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace projcalc::app {

SingleInstance::SingleInstance(const QString& folder)
    : path_(QDir(folder).filePath(QStringLiteral("projcalc.lock"))), lock_(path_) {
    // The lock of a running copy never goes stale by age, however long that copy runs.
    lock_.setStaleLockTime(0);
}

SingleInstance::Result SingleInstance::acquire() {
    if (lock_.tryLock(0)) return Result::Acquired;
    return lock_.error() == QLockFile::LockFailedError ? Result::HeldByOther : Result::Unavailable;
}

QString runtimeFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

}  // namespace projcalc::app
