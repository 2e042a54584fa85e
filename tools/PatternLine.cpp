#include "tools/PatternLine.h"

#include <array>
#include <stdexcept>
#include <string>

namespace {

constexpr int kStepsPerWhole = 96;
constexpr int kTripletStepsPerWhole = 64;
constexpr std::array<int, 6> kValues = {1, 2, 4, 8, 16, 32};
constexpr int kOctave = 12;

// One cell of a line after reading: silence, a continuation of the cell
// before, or the start of a sound.
struct Cell {
    enum Kind { Silence, Hold, Sound };
    Kind kind = Silence;
    std::vector<int> semitones;
    PatternLine::Stress stress = PatternLine::Plain;
};

std::optional<PatternLine::Stress> StressMark(char c) {
    switch (c) {
        case '>':
            return PatternLine::Accent;
        case '!':
            return PatternLine::Strong;
        case '~':
            return PatternLine::Ghost;
        default:
            return std::nullopt;
    }
}

[[noreturn]] void Refuse(std::string_view line, const std::string& why) {
    throw std::invalid_argument("\"" + std::string(line) + "\": " + why);
}

std::vector<Cell> ReadCells(std::string_view line, const std::vector<int>& voicing,
                            PatternLine::Quality quality, bool drums) {
    std::vector<Cell> cells;
    bool lastIsDegree = false;
    // The stress waiting for the next sound; Plain while none is.
    PatternLine::Stress stress = PatternLine::Plain;
    for (const char c : line) {
        if (c == ' ' || c == '|') {
            continue;
        }
        if (const auto mark = StressMark(c)) {
            if (stress != PatternLine::Plain) {
                Refuse(line, "one stress mark to a sound");
            }
            stress = *mark;
            lastIsDegree = false;
            continue;
        }
        if (c == ',' || c == '\'') {
            if (!lastIsDegree) {
                Refuse(line, std::string("'") + c + "' must follow a degree");
            }
            cells.back().semitones.front() += c == ',' ? -kOctave : kOctave;
            continue;
        }
        lastIsDegree = false;
        const size_t before = cells.size();
        if (c == 'X' || c == 'o') {
            if (stress != PatternLine::Plain) {
                Refuse(line, std::string("'") + c + "' carries its own stress");
            }
            stress = c == 'X' ? PatternLine::Accent : PatternLine::Ghost;
        }
        if (c == '.') {
            cells.push_back({Cell::Silence, {}});
        } else if (c == '-') {
            if (cells.empty()) {
                Refuse(line, "a line cannot start by holding");
            }
            // Holding silence is more silence.
            cells.push_back({cells.back().kind == Cell::Silence ? Cell::Silence : Cell::Hold, {}});
        } else if (c == 'x' || c == 'X' || c == 'o') {
            if (drums) {
                cells.push_back({Cell::Sound, {0}});
            } else if (voicing.empty()) {
                Refuse(line, "'x' needs a voicing");
            } else {
                cells.push_back({Cell::Sound, voicing});
            }
        } else if (c >= '1' && c <= '9' && !drums) {
            cells.push_back({Cell::Sound, {PatternLine::DegreeSemitones(c, quality)}});
            lastIsDegree = true;
        } else {
            Refuse(line, std::string("unexpected '") + c + "'");
        }
        if (stress != PatternLine::Plain) {
            if (cells.size() == before || cells.back().kind != Cell::Sound) {
                Refuse(line, "a stress mark must stand before a sound");
            }
            cells.back().stress = stress;
            stress = PatternLine::Plain;
        }
    }
    if (stress) {
        Refuse(line, "a stress mark must stand before a sound");
    }
    return cells;
}

// Cells after the one at start that hold its sound.
int HeldCells(const std::vector<Cell>& cells, size_t start) {
    int held = 0;
    for (size_t i = start + 1; i < cells.size() && cells[i].kind == Cell::Hold; ++i) {
        ++held;
    }
    return held;
}

std::vector<PatternLine::Event> PlainEvents(std::string_view line, const std::vector<Cell>& cells,
                                            int cellSteps) {
    std::vector<PatternLine::Event> events;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (cells[i].kind != Cell::Sound) {
            continue;
        }
        const int length = (1 + HeldCells(cells, i)) * cellSteps;
        if (!PatternLine::WrittenLengthOf(length)) {
            Refuse(line,
                   "a sound of " + std::to_string(length) + " steps is not one written value");
        }
        events.push_back(
            {static_cast<int>(i) * cellSteps, length, false, cells[i].semitones, cells[i].stress});
    }
    return events;
}

std::vector<PatternLine::Event> TripletEvents(std::string_view line, const std::vector<Cell>& cells,
                                              int cellSteps) {
    if (cells.size() % 3 != 0) {
        Refuse(line, "triplet cells must come in groups of three");
    }
    std::vector<PatternLine::Event> events;
    for (size_t group = 0; group < cells.size(); group += 3) {
        const Cell& first = cells[group];
        const int step = static_cast<int>(group) * cellSteps;
        if (first.kind == Cell::Sound && cells[group + 1].kind == Cell::Hold &&
            cells[group + 2].kind == Cell::Hold) {
            // A sound over the whole group is a plain note of the group's length.
            events.push_back({step, 3 * cellSteps, false, first.semitones, first.stress});
            continue;
        }
        for (size_t i = group; i < group + 3; ++i) {
            if (cells[i].kind == Cell::Hold) {
                Refuse(line, "a triplet member cannot be held");
            }
            if (cells[i].kind == Cell::Sound) {
                events.push_back({static_cast<int>(i) * cellSteps, cellSteps, true,
                                  cells[i].semitones, cells[i].stress});
            }
        }
    }
    return events;
}

}  // namespace

std::vector<PatternLine::Event> PatternLine::Parse(std::string_view line, std::string_view voicing,
                                                   Quality quality, int stepsPerBar, bool drums) {
    const std::vector<int> chord = drums ? std::vector<int>{} : ParseVoicing(voicing, quality);
    const std::vector<Cell> cells = ReadCells(line, chord, quality, drums);
    if (cells.empty()) {
        return {};
    }
    const int count = static_cast<int>(cells.size());
    if (stepsPerBar % count != 0) {
        Refuse(line, std::to_string(count) + " cells do not divide a bar of " +
                         std::to_string(stepsPerBar) + " steps");
    }
    const int cellSteps = stepsPerBar / count;
    if (TripletValueOf(cellSteps)) {
        return TripletEvents(line, cells, cellSteps);
    }
    if (!WrittenLengthOf(cellSteps)) {
        Refuse(line, "cells of " + std::to_string(cellSteps) + " steps are no written value");
    }
    return PlainEvents(line, cells, cellSteps);
}

std::vector<int> PatternLine::ParseVoicing(std::string_view voicing, Quality quality) {
    std::vector<int> semitones;
    for (const Cell& cell : ReadCells(voicing, {}, quality, false)) {
        if (cell.kind != Cell::Sound) {
            Refuse(voicing, "a voicing holds degrees only");
        }
        semitones.push_back(cell.semitones.front());
    }
    return semitones;
}

int PatternLine::DegreeSemitones(char degree, Quality quality) {
    switch (degree) {
        case '1':
            return 0;
        case '2':
            return 2;
        case '3':
            return quality == Minor ? 3 : 4;
        case '4':
            return 5;
        case '5':
            return 7;
        case '6':
            return quality == Minor ? 8 : 9;
        case '7':
            return quality == Major ? 11 : 10;
        case '8':
            return quality == Seventh ? 10 : 12;
        case '9':
            return 14;
        default:
            throw std::invalid_argument(std::string("no degree '") + degree + "'");
    }
}

std::optional<PatternLine::WrittenLength> PatternLine::WrittenLengthOf(int steps) {
    for (const int value : kValues) {
        const int plain = kStepsPerWhole / value;
        if (steps == plain) {
            return WrittenLength{value, false};
        }
        // A dotted thirty-second would last 4.5 steps, which the grid cannot hold.
        if (plain % 2 == 0 && steps == plain + plain / 2) {
            return WrittenLength{value, true};
        }
    }
    return std::nullopt;
}

std::optional<int> PatternLine::TripletValueOf(int steps) {
    // A triplet of whole notes does not exist.
    for (const int value : kValues) {
        if (value > 1 && steps == kTripletStepsPerWhole / value) {
            return value;
        }
    }
    return std::nullopt;
}
