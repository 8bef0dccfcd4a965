#include "gui/CalendarPasswords.h"

#include <QEventLoop>

#include <qt6keychain/keychain.h>

namespace planova {
namespace {

constexpr const char* Service = "Planova";

/// The keyring's name of a server's password: "user@https://host/calendar/".
QString KeyOf(const QString& url, const QString& user)
{
    return user + QLatin1Char('@') + url;
}

/// Runs the job to its end and returns its error.
QKeychain::Error Finish(QKeychain::Job& job)
{
    job.setAutoDelete(false);
    // A keyring that is missing must never lead to the password being written in plain text.
    job.setInsecureFallback(false);
    QEventLoop wait;
    QObject::connect(&job, &QKeychain::Job::finished, &wait, &QEventLoop::quit);
    job.start();
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    return job.error();
}

/// Whether an answer means that there is a keyring to ask (an entry not found still is one).
bool KeyringAnswered(QKeychain::Error error)
{
    return error == QKeychain::NoError || error == QKeychain::EntryNotFound;
}

} // namespace

CalendarPasswords& CalendarPasswords::Instance()
{
    static CalendarPasswords passwords;
    return passwords;
}

QString CalendarPasswords::Read(const QString& url, const QString& user)
{
    const QString key = KeyOf(url, user);
    if (Keyring.value_or(true)) {
        QKeychain::ReadPasswordJob job(QString::fromLatin1(Service));
        job.setKey(key);
        const QKeychain::Error error = Finish(job);
        Keyring = KeyringAnswered(error);
        if (error == QKeychain::NoError)
            return job.textData();
    }
    return Session.value(key);
}

void CalendarPasswords::Store(const QString& url, const QString& user, const QString& password)
{
    const QString key = KeyOf(url, user);
    if (Keyring.value_or(true)) {
        QKeychain::WritePasswordJob job(QString::fromLatin1(Service));
        job.setKey(key);
        job.setTextData(password);
        Keyring = KeyringAnswered(Finish(job));
        if (*Keyring)
            return;
    }
    Session.insert(key, password);
}

} // namespace planova
