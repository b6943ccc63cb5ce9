#pragma once

#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace orvel::test {

// Makes files that are not regular files, for the tests of how they are
// refused or streamed. Each returns false when the system does not allow it.
bool MakeFifo(const std::string& path);
bool MakeSocket(const std::string& path);
// A character device node (major, minor) that can be opened: false when the
// process may not make one or its file system does not open device nodes.
bool MakeCharDevice(const std::string& path, unsigned major, unsigned minor);

// Reads everything written into a FIFO, on a thread of its own. Holds a
// writer of its own too, so that the FIFO ends only when Finish lets it:
// other writers may come and go before, or never come.
class FifoReader {
  public:
    explicit FifoReader(const std::string& path);
    ~FifoReader();
    FifoReader(const FifoReader&) = delete;
    FifoReader& operator=(const FifoReader&) = delete;

    // Call once the other writers are done: returns what was read.
    std::string Finish();

  private:
    int readEnd_;
    int writeEnd_;
    std::string text_;
    std::thread thread_;
};

// A pipe that a thread of its own fills with `bytes` and then closes; path()
// names its reading end (/proc/self/fd/N), so it can be opened like a file.
// A reader that stops early lets the thread end too.
class PipeFeeder {
  public:
    explicit PipeFeeder(std::vector<std::uint8_t> bytes);
    ~PipeFeeder();
    PipeFeeder(const PipeFeeder&) = delete;
    PipeFeeder& operator=(const PipeFeeder&) = delete;

    [[nodiscard]] std::string path() const;

  private:
    int readEnd_ = -1;
    std::thread thread_;
};

}  // namespace orvel::test
