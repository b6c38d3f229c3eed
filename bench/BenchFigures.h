// What every part of the benchmark measures with and how it prints: a millisecond clock, medians and
// percentiles, and one line per figure.
#pragma once

#include <string>
#include <vector>

namespace qiv::bench {

// Milliseconds of the performance counter, which every process reads alike.
double Now();
double TicksToMs(long long ticks);
double Median(std::vector<double> values);
// The value below which share (0 to 1) of the values lie.
double Percentile(std::vector<double> values, double share);
// "name value unit", flushed at once so that a run cut short still shows what it measured.
void Print(const std::string& name, double value, const char* unit);
// A run that could not measure as planned says so beside its figures.
void PrintFlag(const std::string& name);

}  // namespace qiv::bench
