#include "caldav/CalendarPublish.h"

#include "caldav/CalDavError.h"
#include "export/ICalendarValues.h"

#include <libical/ical.h>

#include <map>
#include <memory>
#include <set>

namespace planova {
namespace {

/// A resource of the collection that this program published.
struct PublishedResource
{
    QUrl Url;
    QByteArray ETag;
    std::string Fingerprint;
};

/// The first event or to-do of a calendar text.
icalcomponent* FirstEntry(icalcomponent* calendar)
{
    for (const icalcomponent_kind kind : {ICAL_VEVENT_COMPONENT, ICAL_VTODO_COMPONENT}) {
        if (icalcomponent* entry = icalcomponent_get_first_component(calendar, kind))
            return entry;
    }
    return nullptr;
}

/// The fingerprint this program left in an entry, empty when it has none.
std::string PublishedFingerprint(icalcomponent* entry)
{
    for (icalproperty* property = icalcomponent_get_first_property(entry, ICAL_X_PROPERTY); property;
         property = icalcomponent_get_next_property(entry, ICAL_X_PROPERTY)) {
        if (const char* name = icalproperty_get_x_name(property);
            name && std::string_view(name) == PublishedContentProperty) {
            const char* value = icalproperty_get_x(property);
            return value ? value : "";
        }
    }
    return {};
}

/// The resources of the listing this program published, by UID; those of others are left out.
std::map<std::string, PublishedResource> PublishedResources(const std::vector<CalDavResource>& listing)
{
    std::map<std::string, PublishedResource> published;
    for (const CalDavResource& resource : listing) {
        const ICalendarComponent calendar(icalparser_parse_string(resource.Data.c_str()));
        icalcomponent* entry = calendar ? FirstEntry(calendar.get()) : nullptr;
        if (!entry)
            continue;
        const char* uid = icalcomponent_get_uid(entry);
        std::string fingerprint = PublishedFingerprint(entry);
        if (!uid || fingerprint.empty() || !std::string_view(uid).ends_with("@planova"))
            continue;
        published[uid] = {resource.Url, resource.ETag, std::move(fingerprint)};
    }
    return published;
}

/// Runs one write, adding what had been done before to the message of a failure.
template <typename Write> void Written(const PublishCounts& counts, Write&& write)
{
    try {
        write();
    } catch (const CalDavError& error) {
        throw CalDavError(std::string(error.what()) + "\n公開は途中で止まりました (" + counts.Summary() +
                          ")。文書は変わっていません。");
    }
}

} // namespace

std::string PublishCounts::Summary() const
{
    return "新規 " + std::to_string(Created) + " 件、更新 " + std::to_string(Updated) + " 件、削除 " +
           std::to_string(Deleted) + " 件、変更なし " + std::to_string(Unchanged) + " 件";
}

bool PublishedUidInRange(const std::string& uid, const ExportRange& range)
{
    if (!uid.ends_with("@planova"))
        return false;
    const std::size_t dash = uid.find('-');
    if (dash == std::string::npos)
        return false;
    if (uid.compare(dash + 1, 5, "todo-") == 0)
        return true;
    if (dash != 8)
        return false;
    for (std::size_t i = 0; i < dash; ++i) {
        if (uid[i] < '0' || uid[i] > '9')
            return false;
    }
    const int digits = std::stoi(uid.substr(0, dash));
    return range.Contains(DateTime::FromDate(digits / 10000, digits / 100 % 100, digits % 100));
}

PublishCounts PublishEntries(CalDavClient& client, const std::vector<CalendarEntry>& entries,
                             const ExportRange& range)
{
    std::map<std::string, PublishedResource> published = PublishedResources(client.ListCollection());
    PublishCounts counts;
    std::set<std::string> wanted;
    for (const CalendarEntry& entry : entries) {
        wanted.insert(entry.Uid);
        const auto found = published.find(entry.Uid);
        if (found == published.end()) {
            Written(counts, [&] { client.Create(client.ResourceUrl(entry.Uid), entry.Text); });
            ++counts.Created;
        } else if (found->second.Fingerprint != entry.Fingerprint) {
            Written(counts, [&] { client.Replace(found->second.Url, found->second.ETag, entry.Text); });
            ++counts.Updated;
        } else {
            ++counts.Unchanged;
        }
    }
    for (const auto& [uid, resource] : published) {
        if (wanted.contains(uid) || !PublishedUidInRange(uid, range))
            continue;
        Written(counts, [&] { client.Remove(resource.Url, resource.ETag); });
        ++counts.Deleted;
    }
    return counts;
}

} // namespace planova
