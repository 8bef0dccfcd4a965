#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace planova {

/// Whether a CSV field that a spreadsheet would take for a formula is kept from being one.
enum class CsvFormulas
{
    /// A field starting with "=", "+", "-", "@", a tab or a carriage return gets a leading
    /// apostrophe, which spreadsheets read as "this is text" and do not show.
    Neutralised,
    Raw, ///< every field as it is (for scripts that read the file themselves)
};

/**
 * A CSV text for spreadsheets (RFC 4180): UTF-8 starting with a byte-order mark, so that a
 * spreadsheet reads the Japanese text as UTF-8; records end with CR LF; a field holding a comma, a
 * double quote, CR or LF is quoted, its quotes doubled. Line breaks inside fields stay as they are.
 */
class CsvText
{
public:
    explicit CsvText(CsvFormulas formulas = CsvFormulas::Neutralised);

    void AddRecord(const std::vector<std::string>& fields);
    /// Appends a field to the current record; EndRecord closes the record.
    void AddField(std::string_view text)
    {
        StartField();
        if (!text.empty())
            AppendField(Bytes, text, Formulas);
    }
    /// Appends fields already in their CSV form (AppendField's, separated by commas) to the current record.
    void AddFields(std::string_view fields);
    void EndRecord();
    /// The text written so far, moved out (the object is empty afterwards).
    std::string Take() { return std::move(Bytes); }
    /// Makes room for about that many more bytes, so that a long text is not copied as it grows.
    void Reserve(std::size_t bytes) { Bytes.reserve(Bytes.size() + bytes); }

    /// The field as it stands in a record.
    static std::string Field(std::string_view text, CsvFormulas formulas = CsvFormulas::Neutralised);
    /// Appends the field as it stands in a record to `out`.
    static void AppendField(std::string& out, std::string_view text, CsvFormulas formulas);

    /// Whether a spreadsheet would read the text as a formula (or a signed number).
    static bool StartsLikeFormula(std::string_view text);

private:
    /// The comma before every field of a record but its first.
    void StartField()
    {
        if (RecordStarted)
            Bytes += ',';
        RecordStarted = true;
    }

    std::string Bytes;
    CsvFormulas Formulas;
    bool RecordStarted = false;
};

} // namespace planova
