// Batch input as anyone might pipe it in: any bytes at all.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "cli/batch_command.h"
#include "cli/csv_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // A small cap so that inputs of a few hundred bytes reach the over-long paths.
    constexpr std::size_t kCap = 64;
    std::istringstream stream(bytes);
    velmora::CsvReader reader(stream, kCap);
    velmora::CsvRecord record;
    std::size_t results = 0;
    std::uint64_t previousLine = 0;
    for (velmora::CsvResult result; (result = reader.Next(record)) != velmora::CsvResult::End;) {
        // Every result consumes input and starts on a later line than the one before.
        if (++results > size || record.line <= previousLine) {
            __builtin_trap();
        }
        previousLine = record.line;
        if (result == velmora::CsvResult::Record) {
            std::size_t content = record.fields.size() - 1; // the commas
            for (const std::string& field : record.fields) {
                content += field.size();
            }
            if (content > kCap) {
                __builtin_trap();
            }
        }
    }

    std::istringstream input(bytes);
    std::ostringstream output;
    std::ostringstream errors;
    const int status = velmora::RunBatch(input, output, errors, {.details = true, .showProgress = false});
    if (status != 0 && status != 1) {
        __builtin_trap();
    }
    return 0;
}
