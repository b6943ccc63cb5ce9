#include "document/block_pipeline.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace orvel {
namespace {

class Pipeline {
  public:
    Pipeline(const BlockStages& stages, std::size_t slots)
        : stages_(stages), slots_(slots), processed_(slots, -1) {}

    void Work() {
        for (;;) {
            Offset block = 0;
            {
                std::unique_lock lock(mutex_);
                // A block may be read once its slot's previous block is delivered.
                changed_.wait(lock, [&] {
                    return stopped_ || end_ >= 0 ||
                           (!reading_ && next_ - delivered_ < static_cast<Offset>(slots_));
                });
                if (stopped_ || end_ >= 0)
                    return;
                block = next_;
                reading_ = true;
            }
            const bool read = stages_.read(block, Slot(block));
            {
                const std::lock_guard lock(mutex_);
                reading_ = false;
                if (read)
                    ++next_;
                else
                    end_ = block;
            }
            changed_.notify_all();
            if (!read)
                return;
            stages_.process(block, Slot(block));
            {
                const std::lock_guard lock(mutex_);
                processed_[Slot(block)] = block;
            }
            changed_.notify_all();
        }
    }

    void Deliver() {
        for (Offset block = 0;; ++block) {
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [&] {
                    return processed_[Slot(block)] == block || (end_ >= 0 && block >= end_);
                });
                if (processed_[Slot(block)] != block)
                    return;
            }
            const bool more = stages_.deliver(block, Slot(block));
            {
                const std::lock_guard lock(mutex_);
                delivered_ = block + 1;
                stopped_ = !more;
            }
            changed_.notify_all();
            if (!more)
                return;
        }
    }

  private:
    [[nodiscard]] std::size_t Slot(Offset block) const {
        return static_cast<std::size_t>(block) % slots_;
    }

    const BlockStages& stages_;
    const std::size_t slots_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Offset> processed_;  // per slot: the last block processed in it
    Offset next_ = 0;                // the next block to read
    Offset delivered_ = 0;           // the blocks delivered so far
    Offset end_ = -1;                // the first block that does not exist, once known
    bool reading_ = false;
    bool stopped_ = false;
};

}  // namespace

void RunBlockPipeline(const BlockStages& stages, int threads, std::size_t slots) {
    Pipeline pipeline(stages, std::max<std::size_t>(slots, 2));
    std::vector<std::jthread> workers;
    for (int t = 0; t < std::max(threads, 1); ++t)
        workers.emplace_back([&pipeline] { pipeline.Work(); });
    pipeline.Deliver();
}

int PipelineThreads() {
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
}

}  // namespace orvel
