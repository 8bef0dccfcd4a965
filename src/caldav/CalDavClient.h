#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QPair>
#include <QString>
#include <QUrl>

#include <atomic>
#include <string>
#include <vector>

namespace planova {

/// Where a calendar lives and who may write it.
struct CalDavAccount
{
    QUrl Collection; ///< the calendar collection, "https://host/user/calendar/"
    QString User;    ///< empty: no authentication
    QString Password;
};

/// A calendar object resource as the collection lists it.
struct CalDavResource
{
    QUrl Url;
    QByteArray ETag;
    std::string Data; ///< the iCalendar text
};

/**
 * WebDAV and CalDAV requests to one calendar collection over Qt Network: HTTPS with the system's
 * certificates, Basic authentication sent with every request (the server is not asked twice).
 * Each call waits for its answer in a local event loop, so the client works in any thread that
 * has none running (the command line, a worker thread of the application). A refused request,
 * a network failure and an answer that cannot be read throw CalDavError, whose message names the
 * server's answer in Japanese.
 */
class CalDavClient
{
public:
    explicit CalDavClient(CalDavAccount account);

    const QUrl& Collection() const { return Account.Collection; }

    /// Every calendar object of the collection with its ETag and text (REPORT calendar-query).
    std::vector<CalDavResource> ListCollection();

    /// Creates a resource that must not exist yet (If-None-Match: *).
    void Create(const QUrl& url, const std::string& text);
    /// Replaces a resource unless it changed since it was listed with the ETag (If-Match).
    void Replace(const QUrl& url, const QByteArray& etag, const std::string& text);
    /// Deletes a resource unless it changed since it was listed with the ETag (If-Match).
    void Remove(const QUrl& url, const QByteArray& etag);

    /// The URL of a resource of the collection named after a UID: "collection/UID.ics".
    QUrl ResourceUrl(const std::string& uid) const;

    /**
     * Lets another thread stop the work: once the flag is set, the request under way is aborted
     * and this and every later request throw CalDavStopped. The flag must outlive the client.
     */
    void StopWhen(const std::atomic<bool>& stop) { Stop = &stop; }

private:
    struct Reply
    {
        int Status = 0;
        QByteArray Body;
    };
    using Headers = QList<QPair<QByteArray, QByteArray>>;

    Reply Send(const QByteArray& verb, const QUrl& url, const Headers& headers, const QByteArray& body);
    void Expect(const Reply& reply, std::initializer_list<int> accepted, const QUrl& url) const;

    bool Stopped() const { return Stop != nullptr && Stop->load(); }

    CalDavAccount Account;
    QNetworkAccessManager Network;
    const std::atomic<bool>* Stop = nullptr;
};

/**
 * The account's URL as a collection: an http or https URL with a host, ending with "/". Throws
 * CalDavError for anything else.
 */
QUrl CollectionUrl(const QString& text);

} // namespace planova
