#pragma once

#include "model/CPlanovaDoc.h"

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>
#include <string_view>

namespace planova::cli {

/// A document that cannot become JSON, or JSON that cannot become a document. The message starts
/// with the place, e.g. "days[3].rows[2].yotei: ...".
class DocumentJsonError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// A date as "YYYY-MM-DD", or null when it is invalid.
nlohmann::ordered_json DateJson(const DateTime& date);

/**
 * The whole document as JSON: "days" (date "YYYY-MM-DD" or null, jitei, gyouji, ten rows of jigenn,
 * yotei, naiyou, iro, and memo), "todos" (kennmei, kigenn, jyuuyoudo, memo) and "settings" keyed by
 * the data file's tag names. Texts are UTF-8; a text that is not code page 932 throws.
 */
nlohmann::ordered_json DocumentToJson(const CPlanovaDoc& document);

/**
 * The JSON value of a text. Malformed JSON (the byte named) and a key given twice in one object
 * (the object and the key named: which of the two values was meant cannot be known) throw
 * DocumentJsonError.
 */
nlohmann::json ParseDocumentJson(std::string_view text);

/**
 * A new document with the construction defaults, overwritten by what the JSON gives; days and items
 * keep the JSON order. Unknown keys, wrong types, numbers the data file cannot hold, an impossible
 * birthday, dates not written "YYYY-MM-DD" and texts that code page 932 cannot hold are refused with
 * the place and the value named.
 */
CPlanovaDoc DocumentFromJson(const nlohmann::json& json);

} // namespace planova::cli
