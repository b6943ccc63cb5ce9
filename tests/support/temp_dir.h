#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orvel::test {

// A fresh folder under the system's temporary folder (or `parent`), removed
// with its content.
class TempDir {
  public:
    explicit TempDir(const std::filesystem::path& parent = std::filesystem::temp_directory_path());
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    [[nodiscard]] std::string File(const std::string& name) const {
        return (path_ / name).string();
    }

  private:
    std::filesystem::path path_;
};

void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
void WriteFileText(const std::string& path, const std::string& text);
[[nodiscard]] std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
// `size` bytes of a pattern that never repeats within 256 bytes; another
// `seed` gives other bytes.
[[nodiscard]] std::vector<std::uint8_t> PatternBytes(std::size_t size, int seed = 1);

}  // namespace orvel::test
