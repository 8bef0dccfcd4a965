#include "export/CsvText.h"

#include <algorithm>
#include <array>

namespace planova {
namespace {

/// The bytes that make a field quoted: a comma, a double quote, CR and LF.
constexpr std::array<bool, 256> QuotedBytes = [] {
    std::array<bool, 256> bytes{};
    for (const unsigned char byte : {',', '"', '\r', '\n'})
        bytes[byte] = true;
    return bytes;
}();

bool MustBeQuoted(std::string_view text)
{
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return QuotedBytes[static_cast<unsigned char>(c)]; });
}

} // namespace

CsvText::CsvText(CsvFormulas formulas) : Bytes("\xEF\xBB\xBF"), Formulas(formulas) {}

void CsvText::AddRecord(const std::vector<std::string>& fields)
{
    for (const std::string& field : fields)
        AddField(field);
    EndRecord();
}

void CsvText::AddFields(std::string_view fields)
{
    StartField();
    Bytes += fields;
}

void CsvText::EndRecord()
{
    Bytes += "\r\n";
    RecordStarted = false;
}

std::string CsvText::Field(std::string_view text, CsvFormulas formulas)
{
    std::string field;
    AppendField(field, text, formulas);
    return field;
}

bool CsvText::StartsLikeFormula(std::string_view text)
{
    if (text.empty())
        return false;
    switch (text.front()) {
    case '=':
    case '+':
    case '-':
    case '@':
    case '\t':
    case '\r':
        return true;
    default:
        return false;
    }
}

void CsvText::AppendField(std::string& out, std::string_view text, CsvFormulas formulas)
{
    if (text.empty())
        return;
    const bool apostrophe = formulas == CsvFormulas::Neutralised && StartsLikeFormula(text);
    if (!MustBeQuoted(text)) {
        if (apostrophe)
            out += '\'';
        out += text;
        return;
    }
    out += '"';
    if (apostrophe)
        out += '\'';
    for (std::size_t start = 0;;) {
        const std::size_t quote = text.find('"', start);
        out += text.substr(start, quote == std::string_view::npos ? quote : quote + 1 - start);
        if (quote == std::string_view::npos)
            break;
        out += '"';
        start = quote + 1;
    }
    out += '"';
}

} // namespace planova
