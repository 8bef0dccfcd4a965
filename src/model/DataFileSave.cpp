#include "model/DataFileSave.h"

#include "model/DataFile.h"
#include "model/OutOfMemory.h"
#include "model/SafeSave.h"

namespace planova {

Outcome SaveDataFile(const std::string& path, const CPlanovaDoc& document)
{
    return GuardMemory("保存", [&] {
        const std::string bytes = WriteDataFile(document);
        if (bytes.size() > MaxDataFileBytes)
            return Outcome::Refused("データファイルが大きすぎるため保存できませんでした (" +
                                    Megabytes(bytes.size()) + "。開けるのは " + Megabytes(MaxDataFileBytes) +
                                    " までです)。元のファイルは変更されていません。");
        return SafeSave(path, bytes);
    });
}

} // namespace planova
