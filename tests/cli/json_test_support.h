// SPDX-License-Identifier: MIT
// Reading kestrel-calc's JSON documents in the tests: a run's document, an object's keys in their
// order, and a number compared bit for bit.
#pragma once

#include "tests/cli/calc_test_support.h"

#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace kestrel::test {

using Json = nlohmann::ordered_json;

// The document a successful run prints; the run must end with status 0 and nothing on standard
// error.
inline Json documentOf(const std::vector<std::string>& arguments) {
    const CalcRun run = runCalc(arguments);
    EXPECT_TRUE(run.exited && run.status == 0) << run.err;
    EXPECT_EQ(run.err, "");
    return run.exited && run.status == 0 ? Json::parse(run.out) : Json();
}

inline std::vector<std::string> keysOf(const Json& object) {
    std::vector<std::string> keys;
    for (const auto& item : object.items()) {
        keys.push_back(item.key());
    }
    return keys;
}

// The same double, bit for bit (so -0 and 0 differ).
inline void expectSame(const Json& value, double expected, const std::string& what) {
    ASSERT_TRUE(value.is_number()) << what << ": " << value;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(value.get<double>()),
              std::bit_cast<std::uint64_t>(expected))
        << what << ": " << value << " instead of " << expected;
}

} // namespace kestrel::test
