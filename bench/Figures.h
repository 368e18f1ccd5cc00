// Medians of repeated runs, and ratios formed within each run before their median is taken.
#pragma once

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace tavelin::bench {

inline double Median(std::vector<double> values) {
  if (values.empty()) throw std::logic_error("median of nothing");
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Each run's `numerator` over the same run's `denominator`.
inline std::vector<double> Ratios(const std::vector<double>& numerator,
                                  const std::vector<double>& denominator) {
  std::vector<double> ratios;
  for (std::size_t i = 0; i < numerator.size() && i < denominator.size(); ++i)
    ratios.push_back(numerator[i] / denominator[i]);
  return ratios;
}

inline double Milliseconds(std::int64_t nanoseconds) {
  return static_cast<double>(nanoseconds) / 1e6;
}

}  // namespace tavelin::bench
