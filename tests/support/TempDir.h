#pragma once

#include <filesystem>
#include <string>

namespace planova::test {

/// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return Folder; }
    /// The path of a file name inside the folder.
    std::string File(const std::string& name) const { return (Folder / name).string(); }

private:
    std::filesystem::path Folder;
};

/// Reads a whole file as bytes (empty when it cannot be read).
std::string ReadBytes(const std::filesystem::path& path);
/// Writes bytes to a file, replacing it.
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

} // namespace planova::test
