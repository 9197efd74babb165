#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch_options.h"
#include "reading/reading_session.h"

namespace velmora {

// The columns a batch writes after the input's own.
inline constexpr auto kBatchResultColumns = std::to_array<std::string_view>({
    "star",
    "paksha",
    "bird",
    "ruling_days_day",
    "ruling_days_night",
    "death_days",
});
static_assert(kBatchResultColumns.size() == 6);
inline constexpr auto kBatchDetailColumns = std::to_array<std::string_view>({
    "universal_hours",
    "julian_centuries",
    "moon_tropical_deg",
    "ayanamsa_deg",
    "moon_sidereal_deg",
    "star_index",
    "panchang_moment_jd",
    "panchang_moon_deg",
    "panchang_sun_deg",
});
static_assert(kBatchDetailColumns.size() == 9);

// Appends the names, comma separated.
void AppendColumnNames(std::string& out, std::span<const std::string_view> names);

// Appends the output's header line: the input's columns, then the reading's and those `options` ask for.
void AppendHeader(std::string& out, std::span<const std::string_view> inputColumns,
                  const BatchOptions& options);

// Appends one output line: the input's fields as read (escaped for a terminal
// when `options` say so), then the reading computed into `session`.
void AppendReading(std::string& out, const std::vector<std::string>& row, const ReadingSession& session,
                   const BatchOptions& options);

} // namespace velmora
