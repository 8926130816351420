#pragma once
// What a written method puts on squared paper, as plain data the rules can build and tests can
// read: digits and signs in cells, small figures (carries, exchanges, carried remainders), ruled
// lines, lit cells, and the step of the worked solution at which each one appears.
#include <QString>
#include <algorithm>
#include <vector>

namespace platform {

struct Sheet {
    enum class Size { Big, Small };
    // Where a text sits in its box: small figures tuck into a corner beside a big digit. Left and
    // Right are the two halves of the box, each hugging the middle, so that two figures written
    // there read as one number (an exchanged 1 before the 6 above a crossed-out 7).
    enum class Place { Centre, TopLeft, TopRight, BottomLeft, BottomRight, Left, Right };

    struct Ink {
        float row = 0, column = 0;  // the box's top-left cell
        QString text;
        Size size = Size::Big;
        Place place = Place::Centre;
        int role = 0;     // its colour in the paper's palette
        int step = 0;     // 0: written with the question; k: written by the k-th step of the solution
        int struckAt = -1;  // the step that crosses it out; -1: never
        float columns = 1;  // the box's width in cells, for a word such as "rest"
        // Where it slides in from while its step animates (a carried digit moving to its column).
        bool slides = false;
        float fromRow = 0, fromColumn = 0;
    };
    // A ruled line between two points given in cells (cell corners are whole numbers).
    struct Rule {
        float row1 = 0, column1 = 0, row2 = 0, column2 = 0;
        int step = 0;
        int role = 0;
    };
    // Cells shaded while their step is the last one shown: the column being worked.
    struct Light {
        float row = 0, column = 0, rows = 1, columns = 1;
        int step = 0;
    };

    int rows = 1;
    int columns = 1;
    std::vector<Ink> inks;
    std::vector<Rule> rules;
    std::vector<Light> lights;

    int lastStep() const {
        int last = 0;
        for (const Ink& i : inks) last = std::max({last, i.step, i.struckAt});
        for (const Rule& r : rules) last = std::max(last, r.step);
        for (const Light& l : lights) last = std::max(last, l.step);
        return last;
    }
};

}  // namespace platform
