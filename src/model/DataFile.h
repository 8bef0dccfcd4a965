#pragma once

#include "model/CPlanovaDoc.h"

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

/**
 * Reads a whole data file (length prefix and tagged text) into a freshly constructed document.
 * Throws DataFileError with the reason; no partial document is ever returned.
 */
CPlanovaDoc ReadDataFile(std::string_view fileBytes);

/// Reads the tagged text of a data file (without its length prefix); throws DataFileError like ReadDataFile.
CPlanovaDoc ReadDataText(std::string_view text);

/// What the user is shown when a file cannot be opened: "ファイルを開けませんでした。" and the reason
/// (UTF-8).
std::string OpenFailureMessage(std::string_view reason);

/// The whole data file of the document: length prefix and tagged text in code page 932.
std::string WriteDataFile(const CPlanovaDoc& document);

} // namespace planova
