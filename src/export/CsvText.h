#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace planova {

/**
 * A CSV text for spreadsheets (RFC 4180): UTF-8 starting with a byte-order mark, so that a
 * spreadsheet reads the Japanese text as UTF-8; records end with CR LF; a field holding a comma, a
 * double quote, CR or LF is quoted, its quotes doubled. Line breaks inside fields stay as they are.
 */
class CsvText
{
public:
    CsvText();

    void AddRecord(const std::vector<std::string>& fields);
    const std::string& Text() const { return Bytes; }

    /// The field as it stands in a record.
    static std::string Field(std::string_view text);

private:
    std::string Bytes;
};

} // namespace planova
