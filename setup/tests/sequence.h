// Compares a recorded sequence of steps with the expected one and names the
// first step that differs.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline testing::AssertionResult SameSequence(const std::vector<std::string>& expected,
                                             const std::vector<std::string>& actual)
{
    for (size_t i = 0; i < expected.size() || i < actual.size(); ++i) {
        const std::string want = i < expected.size() ? expected[i] : "<end>";
        const std::string got = i < actual.size() ? actual[i] : "<end>";
        if (want != got)
            return testing::AssertionFailure() << "step " << i + 1 << ": expected \"" << want << "\", got \"" << got
                                               << "\"";
    }
    return testing::AssertionSuccess();
}
