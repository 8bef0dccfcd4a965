#include "export/CsvText.h"

namespace planova {

CsvText::CsvText() : Bytes("\xEF\xBB\xBF") {}

void CsvText::AddRecord(const std::vector<std::string>& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            Bytes += ',';
        Bytes += Field(fields[i]);
    }
    Bytes += "\r\n";
}

std::string CsvText::Field(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

} // namespace planova
