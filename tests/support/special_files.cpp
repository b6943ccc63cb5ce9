#include "support/special_files.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

namespace orvel::test {

bool MakeFifo(const std::string& path) {
    return mkfifo(path.c_str(), 0644) == 0;
}

bool MakeSocket(const std::string& path) {
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    const bool bound = bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return bound;
}

bool MakeCharDevice(const std::string& path, unsigned major, unsigned minor) {
    if (mknod(path.c_str(), S_IFCHR | 0666, makedev(major, minor)) != 0)
        return false;
    const int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    close(fd);
    return true;
}

FifoReader::FifoReader(const std::string& path)
    : readEnd_(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)),
      writeEnd_(open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)) {
    fcntl(readEnd_, F_SETFL, 0);
    thread_ = std::thread([this] {
        char buf[65536];
        for (ssize_t got; (got = read(readEnd_, buf, sizeof buf)) > 0;)
            text_.append(buf, static_cast<std::size_t>(got));
    });
}

FifoReader::~FifoReader() {
    Finish();
    if (readEnd_ >= 0)
        close(readEnd_);
}

std::string FifoReader::Finish() {
    if (thread_.joinable()) {
        if (writeEnd_ >= 0)
            close(writeEnd_);
        writeEnd_ = -1;
        thread_.join();
    }
    return text_;
}

PipeFeeder::PipeFeeder(std::vector<std::uint8_t> bytes) {
    int ends[2] = {-1, -1};
    if (pipe2(ends, O_CLOEXEC) != 0)
        return;
    readEnd_ = ends[0];
    thread_ = std::thread([writeEnd = ends[1], bytes = std::move(bytes)] {
        // A reader gone early gives EPIPE here, not a signal that ends the tests.
        sigset_t pipeSignal;
        sigemptyset(&pipeSignal);
        sigaddset(&pipeSignal, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
        for (std::size_t done = 0; done < bytes.size();) {
            const ssize_t put = write(writeEnd, bytes.data() + done, bytes.size() - done);
            if (put <= 0)
                break;
            done += static_cast<std::size_t>(put);
        }
        close(writeEnd);
    });
}

PipeFeeder::~PipeFeeder() {
    if (readEnd_ >= 0)
        close(readEnd_);
    if (thread_.joinable())
        thread_.join();
}

std::string PipeFeeder::path() const {
    return "/proc/self/fd/" + std::to_string(readEnd_);
}

}  // namespace orvel::test
