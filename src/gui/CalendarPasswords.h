#pragma once

#include <QHash>
#include <QString>

#include <optional>

namespace planova {

/**
 * The passwords of calendar servers, one per server URL and user: kept in the desktop's keyring
 * (Secret Service or KWallet, through QtKeychain), never in a settings file. Where no keyring
 * answers (no desktop session, no Secret Service), a password is kept in memory until the program
 * ends, and KeyringAvailable() says so, so the dialog can tell the user.
 */
class CalendarPasswords
{
public:
    /// The passwords of this program run.
    static CalendarPasswords& Instance();

    /// The stored password, or empty when none is stored.
    QString Read(const QString& url, const QString& user);
    /// Keeps the password: in the keyring when there is one, for this session otherwise.
    void Store(const QString& url, const QString& user, const QString& password);

    /// Whether the keyring answered; unknown until the first Read or Store.
    std::optional<bool> KeyringAvailable() const { return Keyring; }

private:
    std::optional<bool> Keyring;
    QHash<QString, QString> Session;
};

} // namespace planova
