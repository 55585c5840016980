#pragma once

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "bench/measure/machine.h"

namespace kelvoria::bench {

struct Row {
    std::string metric;
    std::optional<double> panel, baseline;  // none: does not apply
    int decimals = 1;
    std::optional<double> Ratio() const;
};

struct Report {
    Machine machine;
    std::string qt_version, load_before, load_after;
    std::vector<std::pair<std::string, double>> settings;
    std::vector<Row> rows;
    std::vector<std::string> notes;
    // Every sample behind the medians, by program then by measure.
    std::map<std::string, std::map<std::string, std::vector<double>>> samples;
};

void PrintTable(const Report& report, std::FILE* out);
void WriteJson(const Report& report, const std::string& path);

}  // namespace kelvoria::bench
