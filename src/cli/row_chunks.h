#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "cli/csv_reader.h"

namespace velmora {

// A run of consecutive input records and what became of them.
struct RowChunk {
    static constexpr std::size_t kRows = 1024;
    // A chunk stops early once its records hold this much, so that long
    // records cannot multiply the memory by the chunk's row count.
    static constexpr std::size_t kMaxRecordBytes = 1024 * 1024;

    struct Refusal {
        std::size_t row; // within the chunk
        std::uint64_t line;
        std::string message;
    };

    std::uint64_t ticket = 0; // position in the input, in chunks
    std::vector<CsvRecord> records = std::vector<CsvRecord>(kRows);
    std::vector<CsvResult> results = std::vector<CsvResult>(kRows);
    std::size_t size = 0;
    std::size_t recordBytes = 0;   // held by the records read into it, allocations included
    std::string output;            // filled by the computation
    std::vector<Refusal> refusals; // in row order
};

// Reads `reader` to its end in chunks, runs `compute` on each on `jobs` threads
// (the caller's among them; 0 for one per core) and hands the chunks to `write`
// one at a time, in input order, on whichever thread holds the next one. Memory
// stays bounded: at most two chunks per thread are on their way, each of at
// most kRows records and about kMaxRecordBytes of them. Once `write`
// returns false, nothing more is read or written. An exception from either
// function stops the run and is thrown again on the caller's thread.
void ProcessInOrder(CsvReader& reader, unsigned jobs, const std::function<void(RowChunk&)>& compute,
                    const std::function<bool(const RowChunk&)>& write);

} // namespace velmora
