#include "gui/RecoveryStore.h"

#include "model/DataFile.h"
#include "model/SafeSave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>

namespace planova {
namespace {

const QString LockName = QStringLiteral("instance.lock");

QString DataName(int serial)
{
    return QStringLiteral("document-%1.dat").arg(serial);
}

QString InfoName(int serial)
{
    return QStringLiteral("document-%1.ini").arg(serial);
}

std::string LocalPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

/// Whether the instance that owned the folder is gone (its lock can be taken).
bool Abandoned(const QString& folder)
{
    QLockFile lock(QDir(folder).filePath(LockName));
    // Only a dead owner makes a lock stale here, never the lock's age.
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0))
        return false;
    lock.unlock();
    return true;
}

void WriteStamp(QSettings& values, const FileStamp& stamp)
{
    values.setValue(QStringLiteral("Stamp/Exists"), stamp.Exists);
    values.setValue(QStringLiteral("Stamp/Device"), QString::number(stamp.Device));
    values.setValue(QStringLiteral("Stamp/Inode"), QString::number(stamp.Inode));
    values.setValue(QStringLiteral("Stamp/Size"), QString::number(stamp.Size));
    values.setValue(QStringLiteral("Stamp/Modified"), QString::number(stamp.ModifiedNanoseconds));
}

FileStamp ReadStamp(const QSettings& values)
{
    FileStamp stamp;
    stamp.Exists = values.value(QStringLiteral("Stamp/Exists")).toBool();
    stamp.Device = values.value(QStringLiteral("Stamp/Device")).toString().toULongLong();
    stamp.Inode = values.value(QStringLiteral("Stamp/Inode")).toString().toULongLong();
    stamp.Size = values.value(QStringLiteral("Stamp/Size")).toString().toLongLong();
    stamp.ModifiedNanoseconds = values.value(QStringLiteral("Stamp/Modified")).toString().toLongLong();
    return stamp;
}

} // namespace

RecoveryStore::RecoveryStore(const QString& folder) : Root(folder) {}

RecoveryStore::~RecoveryStore()
{
    if (!Folder.isEmpty()) {
        Lock.reset();
        // A clean end leaves nothing to recover.
        QDir(Folder).removeRecursively();
    }
}

QString RecoveryStore::DefaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("recovery"));
}

bool RecoveryStore::Start()
{
    const QString folder = QDir(Root).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces));
    if (!QDir().mkpath(folder))
        return false;
    Lock = std::make_unique<QLockFile>(QDir(folder).filePath(LockName));
    Lock->setStaleLockTime(0);
    if (!Lock->tryLock(0)) {
        Lock.reset();
        return false;
    }
    Folder = folder;
    return true;
}

std::vector<RecoverableFile> RecoveryStore::Orphans() const
{
    std::vector<RecoverableFile> found;
    const auto instances = QDir(Root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const auto& instance : instances) {
        if (instance.absoluteFilePath() == QFileInfo(Folder).absoluteFilePath() ||
            !Abandoned(instance.absoluteFilePath()))
            continue;
        const QDir dir(instance.absoluteFilePath());
        const auto infos = dir.entryInfoList({QStringLiteral("document-*.ini")}, QDir::Files);
        if (infos.isEmpty()) {
            QDir(dir).removeRecursively();
            continue;
        }
        for (const auto& info : infos) {
            QSettings values(info.absoluteFilePath(), QSettings::IniFormat);
            RecoverableFile file;
            file.InfoFile = info.absoluteFilePath();
            file.DataFile = dir.filePath(values.value(QStringLiteral("DataFile")).toString());
            file.OriginalPath = values.value(QStringLiteral("OriginalPath")).toString();
            file.Name = values.value(QStringLiteral("Name")).toString();
            file.DiskStamp = ReadStamp(values);
            file.SavedAt = QFileInfo(file.DataFile).lastModified();
            if (QFileInfo::exists(file.DataFile))
                found.push_back(file);
            else
                QFile::remove(file.InfoFile);
        }
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.SavedAt < b.SavedAt; });
    return found;
}

LoadedDataFile RecoveryStore::Read(const RecoverableFile& file) const
{
    return LoadDataFile(LocalPath(file.DataFile));
}

void RecoveryStore::Discard(const RecoverableFile& file) const
{
    QFile::remove(file.DataFile);
    QFile::remove(file.InfoFile);
    const QDir dir = QFileInfo(file.InfoFile).dir();
    if (dir.entryList({QStringLiteral("document-*")}, QDir::Files).isEmpty())
        QDir(dir).removeRecursively();
}

bool RecoveryStore::Save(int serial, const CPlanovaDoc& document, const QString& originalPath,
                         const QString& name, const FileStamp& diskStamp, QString& error) const
{
    if (Folder.isEmpty()) {
        error = QStringLiteral("回復用フォルダーを作成できませんでした。");
        return false;
    }
    const QDir dir(Folder);
    const auto saved = SafeSave(LocalPath(dir.filePath(DataName(serial))), WriteDataFile(document));
    if (!saved.Ok) {
        error = QString::fromStdString(saved.Error);
        return false;
    }
    QSettings values(dir.filePath(InfoName(serial)), QSettings::IniFormat);
    values.setValue(QStringLiteral("DataFile"), DataName(serial));
    values.setValue(QStringLiteral("OriginalPath"), originalPath);
    values.setValue(QStringLiteral("Name"), name);
    WriteStamp(values, diskStamp);
    values.sync();
    return values.status() == QSettings::NoError;
}

void RecoveryStore::Remove(int serial) const
{
    if (Folder.isEmpty())
        return;
    const QDir dir(Folder);
    QFile::remove(dir.filePath(InfoName(serial)));
    QFile::remove(dir.filePath(DataName(serial)));
}

bool RecoveryStore::Has(int serial) const
{
    return !Folder.isEmpty() && QFileInfo::exists(QDir(Folder).filePath(DataName(serial)));
}

} // namespace planova
