#pragma once

#include "model/CPlanovaDoc.h"
#include "model/DataFileDamage.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace planova {

/// A data file that cannot be read: truncated, malformed or out of range. The message is the Japanese reason.
class DataFileError : public std::runtime_error
{
public:
    explicit DataFileError(const std::string& reason) : std::runtime_error(reason) {}
};

/// The largest data file that is read: far above a lifetime of school years (twenty years of
/// full days are about 11 MB), small enough that reading it can never exhaust the memory.
inline constexpr std::size_t MaxDataFileBytes = std::size_t{256} << 20;

/**
 * Reads a whole data file (length prefix and tagged text) into a freshly constructed document.
 * Throws DataFileError with the reason when nothing can be made of it. A UTF-16 file is converted
 * to code page 932 without loss (characters it cannot hold become escapes). `warning` (when given)
 * receives what the teacher should know about a file that was read; it is emptied when there is
 * nothing. `damage` (when given) receives what a damaged file lost (see ReadDataText).
 */
CPlanovaDoc ReadDataFile(std::string_view fileBytes, std::string* warning = nullptr,
                         DataFileDamage* damage = nullptr);

/**
 * Reads the tagged text of a data file (without its length prefix); throws DataFileError like
 * ReadDataFile. The empty text is a new document (construction defaults); a text that holds none
 * of the document's elements (Planova, YoteiData, ToDo, Setting) is another program's file and is
 * refused. A damaged text is read as far as it can be: NUL bytes are dropped, a part whose closing
 * tag is lost is read to the end of the text, and `damage` (when given) receives what was skipped
 * and lost. It is whole for every text a writer of the format produces.
 */
CPlanovaDoc ReadDataText(std::string_view text, DataFileDamage* damage = nullptr);

/// What the user is shown when a file cannot be opened: "ファイルを開けませんでした。", the path
/// when one is given, and the reason (UTF-8).
std::string OpenFailureMessage(std::string_view reason, std::string_view path = {});

/// The whole data file of the document: length prefix and tagged text in code page 932.
std::string WriteDataFile(const CPlanovaDoc& document);

} // namespace planova
