#include "view/dump_stream.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "document/file_io.h"
#include "view/dump_layout.h"
#include "view/dump_lines.h"

namespace orvel {
namespace {

constexpr Offset kBlockLines = 16384;
constexpr Offset kBlockBytes = 16 * kBlockLines;  // 256 KiB in, 1.2 MiB of text out

struct Slot {
    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(kBlockBytes);
    // Room for the line held back from the block before, then this block's lines.
    std::vector<char> text = std::vector<char>(kLineStride * (kBlockLines + 1));
    Offset count = 0;  // bytes in the block; -1 when reading them failed
    Offset wanted = 0;
    int lastLength = 0;  // the trimmed columns of the block's last line
    FileError error;
};

// Writes each block but its last line, which waits for the next block: only
// the end of the input says whether it is the last line of all, the one
// trimmed of trailing blanks.
class DumpWriter {
  public:
    explicit DumpWriter(const DumpText::Sink& sink) : sink_(sink) {
        // The header line and its break stand where a held line would.
        std::memcpy(held_, kDumpHeader.data(), kDumpHeader.size());
        held_[kDumpHeader.size()] = '\n';
    }

    bool Block(Slot& slot) {
        const Offset lines = (slot.count + 15) / 16;
        char* const begin = slot.text.data();
        std::memcpy(begin, held_, kLineStride);
        std::memcpy(held_, begin + kLineStride * lines, kLineStride);
        heldLength_ = 1 + slot.lastLength;
        return sink_(begin, static_cast<std::size_t>(kLineStride * lines));
    }

    bool Finish() {
        if (heldLength_ == 0) {  // no bytes: the header, an empty line, the address alone
            return sink_(held_, kLineStride) && sink_("\n0000000", 8);
        }
        return sink_(held_, static_cast<std::size_t>(heldLength_));
    }

  private:
    const DumpText::Sink& sink_;
    char held_[kLineStride];
    int heldLength_ = 0;  // 0 while the header is held
};

}  // namespace

bool WriteDumpStream(InputReader& in, const DumpText::Sink& sink, FileError& error, int threads) {
    if (in.size() > kMaxFileSize) {
        error = FileTooLargeError();
        return false;
    }
    std::vector<Slot> slots(static_cast<std::size_t>(threads) + 2);
    FileError streamError;  // set by the reading worker
    FileError blockError;   // set by the delivery
    bool sinkFailed = false;
    DumpWriter writer(sink);

    BlockStages stages;
    // A regular file is read by the workers, several blocks at once; a
    // stream here, in order.
    stages.read = [&](Offset block, std::size_t s) {
        Slot& slot = slots[s];
        const Offset at = block * kBlockBytes;
        if (in.seekable()) {
            slot.wanted = std::min(kBlockBytes, in.size() - at);
            return slot.wanted > 0;
        }
        slot.count = in.ReadAt(at, slot.bytes.data(), kBlockBytes, streamError);
        if (slot.count > 0 && at + slot.count > kMaxFileSize) {
            streamError = FileTooLargeError();
            return false;
        }
        return slot.count > 0;
    };
    stages.process = [&](Offset block, std::size_t s) {
        Slot& slot = slots[s];
        if (in.seekable()) {
            slot.count = in.ReadAt(block * kBlockBytes, slot.bytes.data(),
                                   static_cast<std::size_t>(slot.wanted), slot.error);
        }
        if (slot.count > 0) {
            slot.lastLength = FormatDumpLines(slot.bytes.data(), slot.count, block * kBlockLines,
                                              slot.text.data() + kLineStride);
        }
    };
    stages.deliver = [&](Offset, std::size_t s) {
        Slot& slot = slots[s];
        if (slot.count < 0) {
            blockError = slot.error;
            return false;
        }
        if (slot.count > 0 && !writer.Block(slot)) {
            sinkFailed = true;
            return false;
        }
        // A regular file that shrank while it was read ends where it ends.
        return !in.seekable() || slot.count == slot.wanted;
    };
    RunBlockPipeline(stages, threads, slots.size());

    for (const FileError& failure : {streamError, blockError}) {
        if (failure.code != 0) {
            error = failure;
            return false;
        }
    }
    return !sinkFailed && writer.Finish();
}

}  // namespace orvel
