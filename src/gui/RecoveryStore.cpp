#include "gui/RecoveryStore.h"

#include "gui/LocalPath.h"
#include "model/DataFile.h"
#include "model/DataFileSave.h"
#include "model/RecoveryJournal.h"
#include "model/SafeSave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>
#include <cstdlib>
#include <set>

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

QString JournalName(int serial)
{
    return QStringLiteral("document-%1.journal").arg(serial);
}

/// The files of the document in the folder.
RecoverableFile FilesIn(const QDir& dir, int serial)
{
    RecoverableFile file;
    file.DataFile = dir.filePath(DataName(serial));
    file.InfoFile = dir.filePath(InfoName(serial));
    file.JournalFile = dir.filePath(JournalName(serial));
    return file;
}

/// When the autosave last changed: its journal's last entry, or the autosave itself.
QDateTime LastChange(const RecoverableFile& file)
{
    const QDateTime base = QFileInfo(file.DataFile).lastModified();
    const QFileInfo journal(file.JournalFile);
    return journal.isFile() ? std::max(base, journal.lastModified()) : base;
}

/// Replays the journal beside the autosave onto the document read from it. A journal that cannot
/// be read, or whose entries break off before its end, is told in the warning: the changes from
/// there on are lost, what came before is kept.
void ReplayJournalOf(const RecoverableFile& file, LoadedDataFile& loaded)
{
    if (!QFileInfo(file.JournalFile).isFile())
        return;
    std::string journal;
    FileStamp journalStamp;
    const Outcome read =
        ReadRegularFile(LocalPath(file.JournalFile), MaxDataFileBytes, journal, journalStamp);
    const JournalReplay replay =
        read.Ok ? ReplayJournal(journal, loaded.Stamp, *loaded.Document) : JournalReplay{};
    if (read.Ok && !replay.Damaged)
        return;
    const std::string lost = "自動保存の変更記録 (" +
                             QDir::toNativeSeparators(file.JournalFile).toStdString() +
                             ") の一部が読めなかったため、それ以降の変更は回復できませんでした。" +
                             (read.Ok ? std::string() : read.Error);
    loaded.Warning = loaded.Warning.empty() ? lost : loaded.Warning + "\n" + lost;
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

// A lock file is written right after it is created; one that still cannot be read after this
// long was left half-written by an instance that crashed, or damaged.
constexpr qint64 UnreadableLockSeconds = 5;

/// Whether the instance that owned the folder is gone: its lock can be taken (there is none, or
/// the process it names is not running), or the lock cannot be read at all.
bool Abandoned(const QString& folder)
{
    const QString lockPath = QDir(folder).filePath(LockName);
    QLockFile lock(lockPath);
    // Only a dead owner makes a lock stale here, never the lock's age.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0)) {
        lock.unlock();
        return true;
    }
    // QLockFile judges only locks it can read: an empty or garbage one would hide the folder's
    // autosaves for ever.
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&pid, &host, &application))
        return false;
    const QFileInfo info(lockPath);
    // A lock dated in the future (a clock set back, another machine's clock) counts by its distance
    // from now, so that it cannot hide its folder's autosaves until that date.
    return info.exists() &&
           std::abs(info.lastModified().secsTo(QDateTime::currentDateTime())) > UnreadableLockSeconds;
}

/// The serial in "document-<serial>.dat", ".ini" or ".journal", or -1 for any other name.
int SerialOf(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^document-([0-9]{1,9})\\.(dat|ini|journal)$"));
    const auto match = pattern.match(fileName);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

/// What the .ini next to an autosave says about it; false when it is missing or says nothing usable.
bool ReadInfo(const QString& infoFile, RecoverableFile& file)
{
    if (!QFileInfo(infoFile).isFile())
        return false;
    QSettings values(infoFile, QSettings::IniFormat);
    const QString name = values.value(QStringLiteral("Name")).toString().trimmed();
    const QString original = values.value(QStringLiteral("OriginalPath")).toString();
    if (values.status() != QSettings::NoError || name.isEmpty() ||
        (!original.isEmpty() && !QDir::isAbsolutePath(original)))
        return false;
    file.Name = name;
    file.OriginalPath = original;
    file.DiskStamp = ReadStamp(values);
    file.Damage = values.value(QStringLiteral("Damage")).toString();
    return true;
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
    // Links are not followed: everything offered, read or removed lies inside this folder.
    const auto instances = QDir(Root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const auto& instance : instances) {
        if (instance.absoluteFilePath() == QFileInfo(Folder).absoluteFilePath() ||
            !Abandoned(instance.absoluteFilePath()))
            continue;
        const QDir dir(instance.absoluteFilePath());
        std::set<int> serials;
        for (const QString& name : dir.entryList(QDir::Files | QDir::NoSymLinks)) {
            if (const int serial = SerialOf(name); serial >= 0)
                serials.insert(serial);
        }
        if (serials.empty()) {
            QDir(dir).removeRecursively(); // an instance that ended with nothing to recover
            continue;
        }
        for (const int serial : serials) {
            RecoverableFile file = FilesIn(dir, serial);
            if (!QFileInfo(file.DataFile).isFile()) {
                // Describe or continue an autosave that was never written.
                QFile::remove(file.InfoFile);
                QFile::remove(file.JournalFile);
                continue;
            }
            // An autosave whose .ini is missing (a crash between the two writes) or unusable is
            // offered all the same, as a document without a file.
            if (!ReadInfo(file.InfoFile, file))
                file.Name =
                    QStringLiteral("名前のわからない文書 (自動保存ファイル %1)").arg(DataName(serial));
            file.SavedAt = LastChange(file);
            found.push_back(file);
        }
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.SavedAt < b.SavedAt; });
    return found;
}

bool RecoveryStore::Owns(const QString& path) const
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    return SerialOf(file.fileName()) >= 0 && !file.isSymLink() && !folder.isSymLink() &&
           QFileInfo(folder.absolutePath()).canonicalFilePath() == QFileInfo(Root).canonicalFilePath();
}

LoadedDataFile RecoveryStore::Read(const RecoverableFile& file) const
{
    LoadedDataFile loaded = LoadDataFile(LocalPath(file.DataFile));
    if (loaded.Result.Ok && Owns(file.JournalFile))
        ReplayJournalOf(file, loaded);
    return loaded;
}

void RecoveryStore::Discard(const RecoverableFile& file) const
{
    // Only the store's own files, whatever the file description says.
    for (const QString& path : {file.DataFile, file.InfoFile, file.JournalFile}) {
        if (Owns(path))
            QFile::remove(path);
    }
    const QDir dir = QFileInfo(file.DataFile).dir();
    if (Owns(file.DataFile) && dir.entryList({QStringLiteral("document-*")}, QDir::Files).isEmpty())
        QDir(dir).removeRecursively();
}

bool RecoveryStore::Save(int serial, const CPlanovaDoc& document, const QString& originalPath,
                         const QString& name, const FileStamp& diskStamp, const QString& damage,
                         QString& error)
{
    // A folder that could not be made at start (say a file stood in its way) is tried again.
    if (Folder.isEmpty() && !Start()) {
        error = QStringLiteral("自動保存用のフォルダー %1 を作成できませんでした。")
                    .arg(QDir::toNativeSeparators(Root));
        return false;
    }
    const QDir dir(Folder);
    const std::string base = LocalPath(dir.filePath(DataName(serial)));
    // The journal starts anew naming the new autosave; until then the old journal names the old
    // autosave, so a crash in between never replays old changes over the newer autosave.
    Outcome saved = SaveDataFile(base, document);
    if (saved.Ok)
        saved = SafeSave(LocalPath(dir.filePath(JournalName(serial))), JournalHeader(StampOf(base)));
    if (!saved.Ok) {
        error = QString::fromStdString(saved.Error);
        return false;
    }
    QSettings values(dir.filePath(InfoName(serial)), QSettings::IniFormat);
    values.setValue(QStringLiteral("OriginalPath"), originalPath);
    values.setValue(QStringLiteral("Name"), name);
    if (damage.isEmpty())
        values.remove(QStringLiteral("Damage"));
    else
        values.setValue(QStringLiteral("Damage"), damage);
    WriteStamp(values, diskStamp);
    values.sync();
    if (values.status() != QSettings::NoError) {
        error = QStringLiteral("自動保存の情報ファイルを書き込めませんでした。");
        return false;
    }
    return true;
}

bool RecoveryStore::Append(int serial, std::string_view entries, QString& error)
{
    const Outcome appended = AppendDurably(LocalPath(QDir(Folder).filePath(JournalName(serial))), entries);
    error = QString::fromStdString(appended.Error);
    return appended.Ok;
}

void RecoveryStore::Remove(int serial) const
{
    if (Folder.isEmpty())
        return;
    const RecoverableFile file = Files(serial);
    // The journal first: one left without its autosave is removed at the next start anyway.
    for (const QString& path : {file.JournalFile, file.InfoFile, file.DataFile})
        QFile::remove(path);
}

bool RecoveryStore::Has(int serial) const
{
    return !Folder.isEmpty() && QFileInfo::exists(Files(serial).DataFile);
}

RecoverableFile RecoveryStore::Files(int serial) const
{
    return FilesIn(QDir(Folder), serial);
}

qint64 RecoveryStore::BaseBytes(int serial) const
{
    return Folder.isEmpty() ? 0 : QFileInfo(Files(serial).DataFile).size();
}

} // namespace planova
