#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <iterator>
#include <stdexcept>

namespace planova::test {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "planova-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    Folder = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::permissions(Folder, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(Folder, ignored);
}

std::string ReadBytes(const std::filesystem::path& path)
{
    // Read in one piece: files of a few hundred megabytes are compared too.
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return std::move(bytes).str();
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace planova::test
