// Rows of files that a check before the run refuses, each with the fault and the line it names.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>

#include "sysutl/user_table.h"
#include "test_support.h"

namespace brevant::testing {

struct RefusedTable {
    const char* text;  // the file
    TableFault fault;
    Int line;
};

// Puts each text in FILE and checks that CHECK refuses it with its fault at its line.
inline void expect_refused(TableOutcome (*check)(std::string_view, Int), const char* file,
                           std::initializer_list<RefusedTable> rows) {
    for (const RefusedTable& r : rows) {
        put_file(file, r.text);
        const TableOutcome o = check(file, SCREEN_UNIT);
        EXPECT_EQ(o.fault, r.fault) << file << ":\n" << r.text;
        EXPECT_EQ(o.line, r.line) << file << ":\n" << r.text;
    }
}

}  // namespace brevant::testing
