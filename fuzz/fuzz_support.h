// What the fuzz targets share: the scratch folder each input runs in, the files put there and read
// back, the input split into "BREVDAT" and "LOWDAT", and the end of the run on a finding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/platform.h"

namespace fuzz_support {

namespace fs = std::filesystem;

inline fs::path scratch;  // the program's working folder while an input runs
inline fs::path home;     // the fuzzer's own, where its corpus and artifact paths are relative to

// A finding ends the fuzzer with its line on standard error, so that libFuzzer keeps the input.
[[noreturn]] inline void finding(std::string_view target, const std::string& what) {
    std::fprintf(stderr, "%.*s finding: %s\n", static_cast<int>(target.size()), target.data(), what.c_str());
    std::fflush(stderr);
    std::abort();
}

inline std::string file_bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void put_file(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline void empty_scratch() {
    for (const auto& entry : fs::directory_iterator(scratch)) fs::remove_all(entry.path());
}

// A scratch folder of its own for this fuzzer process (removed at its exit); pauses and clocks of
// the program take no real time.
inline void set_up(std::string_view target) {
    std::random_device rd;
    scratch = fs::temp_directory_path() / ("brevant_" + std::string(target) + "_" + std::to_string(rd()) + std::to_string(rd()));
    fs::create_directories(scratch);
    home = fs::current_path();
    std::atexit([] {
        std::error_code ec;
        fs::remove_all(scratch, ec);
    });
    brevant::platform::set_manual_clock(0.0);
    brevant::platform::set_fixed_local_time({2020, 6, 1, 12, 0, 0, 0});
}

// The input: the data file "BREVDAT", and after the marker "#LOWDAT#" the coefficient file "LOWDAT".
struct CaseFiles {
    std::string_view brevdat;
    std::string_view lowdat;
    bool has_lowdat = false;
};

inline constexpr std::string_view kLowdatMarker = "#LOWDAT#";

inline CaseFiles split_input(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto split = input.find(kLowdatMarker);
    CaseFiles f;
    f.brevdat = input.substr(0, split);
    f.has_lowdat = split != std::string_view::npos;
    if (f.has_lowdat) f.lowdat = input.substr(split + kLowdatMarker.size());
    return f;
}

// Into the scratch folder, emptied, with the input's files in it.
inline void lay_out(const CaseFiles& f) {
    fs::current_path(scratch);
    empty_scratch();
    put_file("BREVDAT", f.brevdat);
    if (f.has_lowdat) put_file("LOWDAT", f.lowdat);
}

}  // namespace fuzz_support
