#include "ocr/character_cuts.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <unicode/uchar.h>

namespace zuvediv {
namespace {

// Weights of the cost of a set of cuts, in squared ems: a wide character's
// width is the surest guide, the recogniser's places the least sure.
constexpr double kWideWidthWeight = 4.0;
constexpr double kNarrowWidthWeight = 1.0;
constexpr double kPlaceWeight = 0.5;
constexpr double kThroughInk = 2.0;  // a cut where characters touch
constexpr double kWidestCell = 3.0;  // ems

bool is_wide(const std::u32string& text) {
    if (text.empty()) return false;
    const int width = u_getIntPropertyValue(static_cast<UChar32>(text.front()), UCHAR_EAST_ASIAN_WIDTH);
    return width == U_EA_WIDE || width == U_EA_FULLWIDTH;
}

// The strip of the image the line's glyphs cover, following its slope.
struct Band {
    Box box;
    double slope, height;
    double top(double x) const { return slope >= 0 ? box.y0 + slope * (x - box.x0) : box.y0 - slope * (box.x1 - x); }
};

Band band_of(const RecognisedLine& line) {
    const Box& b = line.box;
    const double box_height = b.y1 - b.y0;
    const double glyphs = box_height - std::fabs(line.slope) * (b.x1 - b.x0);
    return {b, line.slope, std::max(glyphs, 0.6 * box_height)};
}

// Ink pixels per column of the band, over [first, first + size()).
struct Columns {
    int first = 0;
    std::vector<int> ink;
    bool inked(int x) const { return x >= first && x < first + static_cast<int>(ink.size()) && ink[x - first] > 0; }
};

Columns columns_of(const Band& band, const InkImage& image, double margin) {
    Columns c;
    c.first = std::max(0, static_cast<int>(std::floor(band.box.x0 - margin)));
    const int end = std::min(image.width, static_cast<int>(std::ceil(band.box.x1 + margin)));
    for (int x = c.first; x < end; ++x) {
        const int y0 = std::max(0, static_cast<int>(std::floor(band.top(x + 0.5))) - 1);
        const int y1 = std::min(image.height, static_cast<int>(std::ceil(band.top(x + 0.5) + band.height)) + 1);
        int count = 0;
        for (int y = y0; y < y1; ++y) count += image.at(x, y);
        c.ink.push_back(count);
    }
    return c;
}

struct Candidate {
    double at;
    bool through_ink;
};

struct CutProblem {
    std::vector<const RecognisedSymbol*> symbols;
    std::vector<bool> wide;
    std::vector<double> places;  // the recogniser's boundary after each symbol but the last
    std::vector<Candidate> candidates;  // first and last: where the ink begins and ends
    double em = 1;
};

void add_gaps(CutProblem& p, const Columns& c) {
    int run_end = -1;
    for (size_t i = 0; i < c.ink.size(); ++i) {
        const int x = c.first + static_cast<int>(i);
        if (c.ink[i] == 0) continue;
        if (run_end < 0) p.candidates.push_back({static_cast<double>(x), false});
        else if (x > run_end) p.candidates.push_back({(run_end + x) / 2.0, false});
        run_end = x + 1;
    }
    if (run_end >= 0) p.candidates.push_back({static_cast<double>(run_end), false});
}

CutProblem problem_of(const RecognisedLine& line, const Columns& columns) {
    CutProblem p;
    for (const RecognisedWord& word : line.words)
        for (const RecognisedSymbol& symbol : word.symbols) p.symbols.push_back(&symbol);
    add_gaps(p, columns);
    if (p.candidates.size() < 2) return p;
    double nominal = 0;
    for (size_t i = 0; i < p.symbols.size(); ++i) {
        p.wide.push_back(is_wide(p.symbols[i]->text));
        nominal += p.wide.back() ? 1.0 : 0.5;
        if (i + 1 < p.symbols.size()) p.places.push_back((p.symbols[i]->box.x1 + p.symbols[i + 1]->box.x0) / 2);
    }
    p.em = std::max(1.0, (p.candidates.back().at - p.candidates.front().at) / nominal);
    const Candidate last = p.candidates.back();
    p.candidates.pop_back();
    for (double place : p.places) {
        if (place > p.candidates.front().at && place < last.at && columns.inked(static_cast<int>(std::floor(place))))
            p.candidates.push_back({place, true});
    }
    std::sort(p.candidates.begin() + 1, p.candidates.end(), [](const Candidate& a, const Candidate& b) { return a.at < b.at; });
    p.candidates.push_back(last);
    return p;
}

double width_cost(const CutProblem& p, size_t symbol, double width) {
    const double expected = p.wide[symbol] ? 1.0 : 0.5;
    const double off = width / p.em - expected;
    return (p.wide[symbol] ? kWideWidthWeight : kNarrowWidthWeight) * off * off;
}

double cut_cost(const CutProblem& p, size_t after_symbol, const Candidate& c) {
    const double off = (c.at - p.places[after_symbol]) / p.em;
    return kPlaceWeight * off * off + (c.through_ink ? kThroughInk : 0.0);
}

// The cheapest cuts: for each symbol, the candidate its cell ends at.
std::vector<size_t> cheapest_cuts(const CutProblem& p) {
    const size_t n = p.symbols.size(), k = p.candidates.size();
    const double none = std::numeric_limits<double>::infinity();
    std::vector<std::vector<double>> cost(n + 1, std::vector<double>(k, none));
    std::vector<std::vector<size_t>> from(n + 1, std::vector<size_t>(k, 0));
    cost[0][0] = 0;
    for (size_t s = 1; s <= n; ++s) {
        for (size_t to = 1; to < k; ++to) {
            if (s == n && to != k - 1) continue;
            const double ending = s < n ? cut_cost(p, s - 1, p.candidates[to]) : 0.0;
            for (size_t at = to; at-- > 0;) {
                const double width = p.candidates[to].at - p.candidates[at].at;
                if (width > kWidestCell * p.em) break;
                if (width <= 0 || cost[s - 1][at] == none) continue;
                const double total = cost[s - 1][at] + width_cost(p, s - 1, width) + ending;
                if (total < cost[s][to]) {
                    cost[s][to] = total;
                    from[s][to] = at;
                }
            }
        }
    }
    std::vector<size_t> ends(n + 1, 0);
    if (cost[n][k - 1] == none) return {};
    ends[n] = k - 1;
    for (size_t s = n; s > 0; --s) ends[s - 1] = from[s][ends[s]];
    return ends;
}

// The ink within [x0, x1) of the band, or the cell itself when it holds none.
Box ink_box(const Band& band, const InkImage& image, const Columns& columns, double x0, double x1) {
    Box box{x1, std::numeric_limits<double>::max(), x0, 0};
    for (int x = static_cast<int>(std::ceil(x0 - 0.5)); x < x1 - 0.5 + 1e-9; ++x) {
        if (!columns.inked(x)) continue;
        const int y0 = std::max(0, static_cast<int>(std::floor(band.top(x + 0.5))) - 1);
        const int y1 = std::min(image.height, static_cast<int>(std::ceil(band.top(x + 0.5) + band.height)) + 1);
        for (int y = y0; y < y1; ++y) {
            if (!image.at(x, y)) continue;
            box = {std::min(box.x0, double(x)), std::min(box.y0, double(y)), std::max(box.x1, x + 1.0), std::max(box.y1, y + 1.0)};
        }
    }
    if (box.empty()) return {x0, band.top((x0 + x1) / 2), x1, band.top((x0 + x1) / 2) + band.height};
    return box;
}

Box united(const Box& a, const Box& b) {
    if (a.empty()) return b;
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

}  // namespace

void fit_to_ink(RecognisedLine& line, const InkImage& ink) {
    const Band band = band_of(line);
    const Columns columns = columns_of(band, ink, band.height / 4);
    const CutProblem problem = problem_of(line, columns);
    if (problem.symbols.empty() || problem.candidates.size() < 2) return;
    const std::vector<size_t> ends = cheapest_cuts(problem);
    if (ends.empty()) return;
    size_t s = 0;
    line.box = Box{};
    for (RecognisedWord& word : line.words) {
        word.box = Box{};
        for (RecognisedSymbol& symbol : word.symbols) {
            symbol.box = ink_box(band, ink, columns, problem.candidates[ends[s]].at, problem.candidates[ends[s + 1]].at);
            word.box = united(word.box, symbol.box);
            ++s;
        }
        line.box = united(line.box, word.box);
    }
}

}  // namespace zuvediv
