#pragma once

#include "model/CPlanovaDoc.h"
#include "model/DataFileDamage.h"
#include "model/Outcome.h"
#include "model/SafeSave.h"

#include <optional>
#include <string>

namespace planova {

/**
 * A data file read from disk: the document, or the Japanese reason it could not be read.
 *
 * The document is held in a std::optional rather than behind a pointer: documents are values in
 * the model, and the result owns the one it read until the caller moves it where it lives (the
 * application keeps its documents on the heap, the command line on the stack). Document holds a
 * value exactly when Result.Ok.
 */
struct LoadedDataFile
{
    Outcome Result;
    std::optional<CPlanovaDoc> Document;
    /// What the user must be told about a document that was read (UTF-8), else empty: characters a
    /// What the teacher should know about the file that was read (empty when there is nothing).
    std::string Warning;
    /// What a damaged file lost (DamageMessage tells the user); the document holds what was left.
    DataFileDamage Damage;
    /// The file as it was read, to notice a change made by someone else before saving over it.
    FileStamp Stamp;
};

/**
 * Reads the data file at the path. Only a regular file of at most MaxDataFileBytes is read, and
 * every failure to read, to allocate or to make sense of the bytes is caught and becomes the
 * reason, so callers never see an exception. Every caller (opening in the application, recovery,
 * the command line) shows a failure as OpenFailureMessage(Result.Error), a warning as it is, and
 * the damage as DamageMessage(Damage), keeping the damaged file as it is.
 */
LoadedDataFile LoadDataFile(const std::string& path);

} // namespace planova
