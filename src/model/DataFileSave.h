#pragma once

#include "model/CPlanovaDoc.h"
#include "model/Outcome.h"

#include <string>

namespace planova {

/**
 * Writes the document as a data file with the safe save. A document whose file would be larger
 * than MaxDataFileBytes is refused with its size named, because no reader would open the file
 * again; running out of memory while the file is built is refused too. A refusal writes nothing:
 * an existing file stays as it was and the document is not touched (it stays modified).
 */
Outcome SaveDataFile(const std::string& path, const CPlanovaDoc& document);

} // namespace planova
