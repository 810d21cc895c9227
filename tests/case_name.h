#ifndef TESTS_CASE_NAME_H
#define TESTS_CASE_NAME_H

#include <string>

#include <gtest/gtest.h>

// Names each case of a table of cases after the case's own `name` member, so that a
// failure says which row failed.
struct CaseName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& row) const {
        return row.param.name;
    }
};

#endif  // TESTS_CASE_NAME_H
