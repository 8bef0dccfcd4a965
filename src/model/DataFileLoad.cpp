#include "model/DataFileLoad.h"

#include "model/DataFile.h"

#include <exception>
#include <new>

namespace planova {

LoadedDataFile LoadDataFile(const std::string& path)
{
    LoadedDataFile loaded;
    try {
        std::string bytes;
        loaded.Result = ReadRegularFile(path, MaxDataFileBytes, bytes, loaded.Stamp);
        if (!loaded.Result.Ok)
            return loaded;
        loaded.Document.emplace(ReadDataFile(bytes, &loaded.Warning, &loaded.Damage));
    } catch (const DataFileError& error) {
        loaded.Result = Outcome::Refused(error.what());
    } catch (const std::bad_alloc&) {
        loaded.Result = Outcome::Refused("メモリが足りないため、ファイルを読み込めませんでした。");
    } catch (const std::exception& error) {
        loaded.Result =
            Outcome::Refused(std::string("ファイルを読み込めませんでした (") + error.what() + ")。");
    }
    if (!loaded.Result.Ok) {
        loaded.Document.reset();
        loaded.Warning.clear();
        loaded.Damage = {};
    }
    return loaded;
}

} // namespace planova
