#include "document/file_stamp.h"

#include <sys/stat.h>

#include <filesystem>

namespace orvel {
namespace {

bool IsSamePath(const std::string& path1, const std::string& path2) {
    std::error_code ec1;
    std::error_code ec2;
    const auto a = std::filesystem::absolute(path1, ec1).lexically_normal();
    const auto b = std::filesystem::absolute(path2, ec2).lexically_normal();
    return !ec1 && !ec2 && a == b;
}

}  // namespace

FileStamp StampOf(const struct stat& st) {
    return {{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)},
            static_cast<Offset>(st.st_size),
            static_cast<std::int64_t>(st.st_mtim.tv_sec),
            static_cast<std::int64_t>(st.st_mtim.tv_nsec)};
}

bool StampOfPath(const std::string& path, FileStamp& stamp) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        return false;
    stamp = StampOf(st);
    return true;
}

bool IsSameFileOnDisk(const std::string& path1, const std::string& path2) {
    FileStamp a;
    FileStamp b;
    return StampOfPath(path1, a) && StampOfPath(path2, b) && a.identity == b.identity;
}

bool IsChangedOnDisk(const std::string& target, const std::string& knownPath,
                     const FileStamp& known) {
    FileStamp now;
    if (!StampOfPath(target, now))
        return false;
    if (now.identity != known.identity && !IsSamePath(target, knownPath))
        return false;  // another file: a Save As to a new name
    return now != known;
}

std::string OverwriteChangedFileQuestion(const std::string& path) {
    return "The file " + path +
           " has been changed by another program since it was opened or last saved.\n"
           "Do you want to overwrite it?";
}

}  // namespace orvel
