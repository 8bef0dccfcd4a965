#include "caldav/CalDavClient.h"

#include "caldav/CalDavError.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QXmlStreamReader>

#include <memory>

namespace planova {
namespace {

constexpr int TransferTimeoutMs = 30000;
constexpr int MultiStatus = 207;
/// How often a request under way looks whether it was stopped.
constexpr int StopCheckMs = 100;

constexpr const char* DavNamespace = "DAV:";
constexpr const char* CalDavNamespace = "urn:ietf:params:xml:ns:caldav";

/// Every calendar object with its ETag and text; the filter leaves out collections themselves.
constexpr const char* CalendarQuery = R"(<?xml version="1.0" encoding="utf-8"?>
<C:calendar-query xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:caldav">
  <D:prop><D:getetag/><C:calendar-data/></D:prop>
  <C:filter><C:comp-filter name="VCALENDAR"/></C:filter>
</C:calendar-query>
)";

/// What an HTTP status means for the teacher.
std::string StatusMeaning(int status)
{
    switch (status) {
    case 401:
        return "ユーザー名かパスワードが受け付けられませんでした";
    case 403:
        return "この操作は許可されていません";
    case 404:
        return "カレンダーが見つかりません";
    case 405:
        return "この URL はカレンダーではありません";
    case 412:
        return "サーバー上の予定が、読み込んだ後でほかから変更されています。もう一度やり直してください";
    case 507:
        return "サーバーの容量が足りません";
    default:
        return status >= 500 ? "サーバーの内部でエラーが起きました" : "サーバーが要求を受け付けませんでした";
    }
}

/// The text of an element, reading up to its end.
QString ElementText(QXmlStreamReader& xml)
{
    return xml.readElementText(QXmlStreamReader::IncludeChildElements);
}

bool IsElement(const QXmlStreamReader& xml, const char* ns, const char* name)
{
    return xml.namespaceUri() == QLatin1String(ns) && xml.name() == QLatin1String(name);
}

/// The resources of a multistatus answer whose properties were found (status 200 in their propstat).
std::vector<CalDavResource> ReadMultiStatus(const QByteArray& body, const QUrl& base)
{
    std::vector<CalDavResource> resources;
    QXmlStreamReader xml(body);
    CalDavResource current;
    bool inResponse = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (IsElement(xml, DavNamespace, "response")) {
                current = {};
                inResponse = true;
            } else if (inResponse && IsElement(xml, DavNamespace, "href")) {
                current.Url = base.resolved(QUrl(ElementText(xml).trimmed()));
            } else if (inResponse && IsElement(xml, DavNamespace, "getetag")) {
                current.ETag = ElementText(xml).trimmed().toUtf8();
            } else if (inResponse && IsElement(xml, CalDavNamespace, "calendar-data")) {
                current.Data = ElementText(xml).toStdString();
            }
        } else if (xml.isEndElement() && IsElement(xml, DavNamespace, "response")) {
            if (!current.Data.empty())
                resources.push_back(std::move(current));
            current = {};
            inResponse = false;
        }
    }
    if (xml.hasError())
        throw CalDavError("カレンダーサーバーの答えを読めませんでした (" + xml.errorString().toStdString() +
                          ")。");
    return resources;
}

} // namespace

QUrl CollectionUrl(const QString& text)
{
    QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != "http" && scheme != "https") || url.host().isEmpty())
        throw CalDavError("カレンダーの URL には http:// か https:// で始まる URL を指定してください: " +
                          text.toStdString());
    if (!url.path().endsWith('/'))
        url.setPath(url.path() + '/');
    return url;
}

CalDavClient::CalDavClient(CalDavAccount account) : Account(std::move(account))
{
    Account.Collection = CollectionUrl(Account.Collection.toString());
}

QUrl CalDavClient::ResourceUrl(const std::string& uid) const
{
    const QByteArray name = QUrl::toPercentEncoding(QString::fromStdString(uid) + ".ics");
    return Account.Collection.resolved(QUrl(QString::fromLatin1(name)));
}

std::vector<CalDavResource> CalDavClient::ListCollection()
{
    const Reply reply =
        Send("REPORT", Account.Collection,
             {{"Depth", "1"}, {"Content-Type", "application/xml; charset=utf-8"}}, CalendarQuery);
    Expect(reply, {MultiStatus}, Account.Collection);
    return ReadMultiStatus(reply.Body, Account.Collection);
}

void CalDavClient::Create(const QUrl& url, const std::string& text)
{
    const Reply reply =
        Send("PUT", url, {{"If-None-Match", "*"}, {"Content-Type", "text/calendar; charset=utf-8"}},
             QByteArray::fromStdString(text));
    Expect(reply, {200, 201, 204}, url);
}

void CalDavClient::Replace(const QUrl& url, const QByteArray& etag, const std::string& text)
{
    const Reply reply =
        Send("PUT", url, {{"If-Match", etag}, {"Content-Type", "text/calendar; charset=utf-8"}},
             QByteArray::fromStdString(text));
    Expect(reply, {200, 201, 204}, url);
}

void CalDavClient::Remove(const QUrl& url, const QByteArray& etag)
{
    const Reply reply = Send("DELETE", url, {{"If-Match", etag}}, {});
    Expect(reply, {200, 204}, url);
}

CalDavClient::Reply CalDavClient::Send(const QByteArray& verb, const QUrl& url, const Headers& headers,
                                       const QByteArray& body)
{
    if (Stopped())
        throw CalDavStopped();
    QNetworkRequest request(url);
    request.setTransferTimeout(TransferTimeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader, "Planova");
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);
    if (!Account.User.isEmpty())
        request.setRawHeader("Authorization",
                             "Basic " + (Account.User + ':' + Account.Password).toUtf8().toBase64());

    const std::unique_ptr<QNetworkReply> reply(Network.sendCustomRequest(request, verb, body));
    QEventLoop wait;
    QObject::connect(reply.get(), &QNetworkReply::finished, &wait, &QEventLoop::quit);
    QTimer stopCheck;
    if (Stop != nullptr) {
        QObject::connect(&stopCheck, &QTimer::timeout, reply.get(), [this, &reply] {
            if (Stopped())
                reply->abort();
        });
        stopCheck.start(StopCheckMs);
    }
    if (!reply->isFinished())
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    if (Stopped())
        throw CalDavStopped();

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        throw CalDavError("カレンダーサーバーに接続できませんでした (" + reply->errorString().toStdString() +
                          "): " + url.toDisplayString().toStdString());
    return {status.toInt(), reply->readAll()};
}

void CalDavClient::Expect(const Reply& reply, std::initializer_list<int> accepted, const QUrl& url) const
{
    for (const int status : accepted) {
        if (reply.Status == status)
            return;
    }
    throw CalDavError("カレンダーサーバーの答え: " + std::to_string(reply.Status) + " " +
                      StatusMeaning(reply.Status) + "。(" +
                      url.toDisplayString(QUrl::RemoveUserInfo).toStdString() + ")");
}

} // namespace planova
