#pragma once

#include "model/CPlanovaDoc.h"
#include "model/SafeSave.h"

#include <nlohmann/json.hpp>

#include <functional>
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
 * Hands the whole document as JSON to `write`, in pieces: "days" (date "YYYY-MM-DD" or null,
 * jitei, gyouji, ten rows of jigenn, yotei, naiyou, iro, and memo), "todos" (kennmei, kigenn,
 * jyuuyoudo, memo) and "settings" keyed by the data file's tag names, laid out with two spaces per
 * level. Texts are UTF-8; a text that is not code page 932 throws, with nothing of the day or item
 * handed on.
 */
void WriteDocumentJson(const CPlanovaDoc& document, const std::function<void(std::string_view)>& write);

/**
 * A new document with the construction defaults, overwritten by what the JSON text read from
 * `input` gives; days and items keep the JSON order. The text is read as it comes and never held
 * whole. Malformed JSON (the byte named), a key given twice in one object (the object and the key
 * named), unknown keys, wrong types, numbers the data file cannot hold, an impossible birthday,
 * dates not written "YYYY-MM-DD" and texts that code page 932 cannot hold throw DocumentJsonError
 * with the place and the value named. A failing read ends the text early (see input.Result()).
 */
CPlanovaDoc ReadDocumentJson(PieceReader& input);

} // namespace planova::cli
