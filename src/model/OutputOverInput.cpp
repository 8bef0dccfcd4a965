#include "model/OutputOverInput.h"

#include <sys/stat.h>

namespace planova {

bool IsSameFile(const std::string& first, const std::string& second)
{
    struct stat one
    {
    };
    struct stat other
    {
    };
    return stat(first.c_str(), &one) == 0 && stat(second.c_str(), &other) == 0 &&
           one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

Outcome CheckOutputIsNotInput(const std::string& input, const std::string& output)
{
    if (input.empty() || !IsSameFile(input, output))
        return Outcome::Done();
    return Outcome::Refused("書き出し先が元のデータファイルと同じです。上書きするとデータが失われるため、"
                            "別のファイル名を指定してください。");
}

} // namespace planova
