#include "cli/row_chunks.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

namespace velmora {
namespace {

class OrderedChunks {
public:
    OrderedChunks(CsvReader& reader, std::size_t maxInFlight, const std::function<void(RowChunk&)>& compute,
                  const std::function<bool(const RowChunk&)>& write)
        : reader_(reader), compute_(compute), write_(write), maxInFlight_(maxInFlight) {}

    void Work() {
        try {
            while (std::unique_ptr<RowChunk> chunk = Next()) {
                chunk->output.clear();
                chunk->refusals.clear();
                compute_(*chunk);
                Deliver(std::move(chunk));
            }
        } catch (...) {
            const std::lock_guard lock(orderMutex_);
            if (!failure_) {
                failure_ = std::current_exception();
            }
            stop_ = true;
            orderChanged_.notify_all();
        }
    }

    void RethrowFailure() const {
        if (failure_) {
            std::rethrow_exception(failure_);
        }
    }

private:
    // The next records of the input, or nothing at its end. Waits while the
    // chunks ahead of the writer would pass the bound on memory.
    std::unique_ptr<RowChunk> Next() {
        std::unique_ptr<RowChunk> chunk;
        {
            std::unique_lock lock(orderMutex_);
            orderChanged_.wait(lock, [&] { return stop_ || inFlight_ < maxInFlight_; });
            if (stop_) {
                return nullptr;
            }
            ++inFlight_;
            if (!spare_.empty()) {
                chunk = std::move(spare_.back());
                spare_.pop_back();
            }
        }
        if (!chunk) {
            chunk = std::make_unique<RowChunk>();
        }
        {
            const std::lock_guard lock(readMutex_);
            if (inputEnded_) {
                const std::lock_guard orderLock(orderMutex_);
                --inFlight_;
                spare_.push_back(std::move(chunk));
                orderChanged_.notify_all();
                return nullptr;
            }
            chunk->ticket = nextTicket_++;
            chunk->size = 0;
            chunk->recordBytes = 0;
            while (!inputEnded_ && chunk->size < RowChunk::kRows &&
                   chunk->recordBytes < RowChunk::kMaxRecordBytes) {
                CsvRecord& record = chunk->records[chunk->size];
                const CsvResult result = reader_.Next(record);
                if (result == CsvResult::End) {
                    inputEnded_ = true;
                } else {
                    chunk->results[chunk->size++] = result;
                    chunk->recordBytes += record.fields.capacity() * sizeof(std::string);
                    for (const std::string& field : record.fields) {
                        chunk->recordBytes += field.capacity();
                    }
                }
            }
        }
        return chunk;
    }

    // Writes every computed chunk whose turn has come. The chunk that met the
    // end of the input may be empty; it still takes its turn.
    void Deliver(std::unique_ptr<RowChunk> chunk) {
        const std::lock_guard lock(orderMutex_);
        ready_.push_back(std::move(chunk));
        for (;;) {
            const auto due = std::find_if(ready_.begin(), ready_.end(),
                                          [&](const auto& waiting) { return waiting->ticket == turn_; });
            if (due == ready_.end()) {
                break;
            }
            std::unique_ptr<RowChunk> written = std::move(*due);
            ready_.erase(due);
            if (!stop_ && !write_(*written)) {
                stop_ = true;
            }
            ++turn_;
            --inFlight_;
            // A chunk that met long records is not kept: its records hold on to their memory.
            if (written->recordBytes < RowChunk::kMaxRecordBytes) {
                spare_.push_back(std::move(written));
            }
        }
        orderChanged_.notify_all();
    }

    CsvReader& reader_;
    const std::function<void(RowChunk&)>& compute_;
    const std::function<bool(const RowChunk&)>& write_;

    std::mutex readMutex_; // the reader and the tickets; taken before orderMutex_, never after
    bool inputEnded_ = false;
    std::uint64_t nextTicket_ = 0;

    std::mutex orderMutex_; // everything below, and the calls of write_
    std::condition_variable orderChanged_;
    const std::size_t maxInFlight_;
    std::size_t inFlight_ = 0;
    std::uint64_t turn_ = 0;
    std::vector<std::unique_ptr<RowChunk>> ready_;
    std::vector<std::unique_ptr<RowChunk>> spare_;
    bool stop_ = false;
    std::exception_ptr failure_;
};

} // namespace

void ProcessInOrder(CsvReader& reader, unsigned jobs, const std::function<void(RowChunk&)>& compute,
                    const std::function<bool(const RowChunk&)>& write) {
    if (jobs == 0) {
        jobs = std::max(1U, std::thread::hardware_concurrency());
    }
    OrderedChunks chunks(reader, 2 * static_cast<std::size_t>(jobs), compute, write);
    {
        std::vector<std::jthread> helpers;
        for (unsigned i = 1; i < jobs; ++i) {
            try {
                helpers.emplace_back([&chunks] { chunks.Work(); });
            } catch (const std::system_error&) {
                break; // no more threads to be had: the ones running finish the work
            }
        }
        chunks.Work();
    } // the helpers join here
    chunks.RethrowFailure();
}

} // namespace velmora
