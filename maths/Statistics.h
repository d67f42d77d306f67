#pragma once

// Summaries of repeated measurements (frame times, start-up times): the median and the
// minimum of a non-empty list.

#include <algorithm>
#include <vector>

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

inline double minimum(const std::vector<double>& values) {
    return *std::min_element(values.begin(), values.end());
}
