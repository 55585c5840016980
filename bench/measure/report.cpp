#include "bench/measure/report.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace kelvoria::bench {

namespace {
std::string Fixed(std::optional<double> v, int decimals) {
    if (!v) {
        return "n/a";
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, *v);
    return text;
}

std::string Quoted(const std::string& s) {
    std::string out = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Number(std::optional<double> v) {
    if (!v || !std::isfinite(*v)) {
        return "null";
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.6g", *v);
    return text;
}
}  // namespace

std::optional<double> Row::Ratio() const {
    if (!panel || !baseline || *baseline <= 0) {
        return std::nullopt;
    }
    return *panel / *baseline;
}

void PrintTable(const Report& r, std::FILE* out) {
    std::fprintf(out, "%s  %s, %u cores, Linux %s, Qt %s\n", r.machine.date.c_str(),
                 r.machine.cpu.c_str(), r.machine.cores, r.machine.kernel.c_str(),
                 r.qt_version.c_str());
    std::fprintf(out, "load average before %s, after %s\n\n", r.load_before.c_str(),
                 r.load_after.c_str());
    std::fprintf(out, "| %-48s | %10s | %10s | %14s |\n", "metric", "panel", "baseline",
                 "panel/baseline");
    std::fprintf(out, "|%s|%s|%s|%s|\n", std::string(50, '-').c_str(), std::string(12, '-').c_str(),
                 std::string(12, '-').c_str(), std::string(16, '-').c_str());
    for (const auto& row : r.rows) {
        std::fprintf(out, "| %-48s | %10s | %10s | %14s |\n", row.metric.c_str(),
                     Fixed(row.panel, row.decimals).c_str(),
                     Fixed(row.baseline, row.decimals).c_str(), Fixed(row.Ratio(), 2).c_str());
    }
    std::fprintf(out, "\n");
    for (const auto& note : r.notes) {
        std::fprintf(out, "- %s\n", note.c_str());
    }
}

void WriteJson(const Report& r, const std::string& path) {
    const auto folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) {
        std::filesystem::create_directories(folder);
    }
    std::ofstream out(path);
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
    out << "{\n  \"date\": " << Quoted(r.machine.date)
        << ",\n  \"machine\": {\"cpu\": " << Quoted(r.machine.cpu)
        << ", \"cores\": " << r.machine.cores << ", \"kernel\": " << Quoted(r.machine.kernel)
        << "},\n  \"qt_version\": " << Quoted(r.qt_version)
        << ",\n  \"load_average\": {\"before\": " << Quoted(r.load_before)
        << ", \"after\": " << Quoted(r.load_after) << "},\n  \"settings\": {";
    for (std::size_t i = 0; i < r.settings.size(); ++i) {
        out << (i ? ", " : "") << Quoted(r.settings[i].first) << ": "
            << Number(r.settings[i].second);
    }
    out << "},\n  \"metrics\": [\n";
    for (std::size_t i = 0; i < r.rows.size(); ++i) {
        const Row& row = r.rows[i];
        out << "    {\"metric\": " << Quoted(row.metric) << ", \"panel\": " << Number(row.panel)
            << ", \"baseline\": " << Number(row.baseline) << ", \"ratio\": " << Number(row.Ratio())
            << "}" << (i + 1 < r.rows.size() ? "," : "") << "\n";
    }
    out << "  ],\n  \"notes\": [";
    for (std::size_t i = 0; i < r.notes.size(); ++i) {
        out << (i ? ",\n    " : "\n    ") << Quoted(r.notes[i]);
    }
    out << "\n  ],\n  \"samples\": {";
    bool first_program = true;
    for (const auto& [program, measures] : r.samples) {
        out << (first_program ? "\n" : ",\n") << "    " << Quoted(program) << ": {";
        first_program = false;
        bool first_measure = true;
        for (const auto& [measure, values] : measures) {
            out << (first_measure ? "\n" : ",\n") << "      " << Quoted(measure) << ": [";
            first_measure = false;
            for (std::size_t i = 0; i < values.size(); ++i) {
                out << (i ? ", " : "") << Number(values[i]);
            }
            out << "]";
        }
        out << "\n    }";
    }
    out << "\n  }\n}\n";
}

}  // namespace kelvoria::bench
