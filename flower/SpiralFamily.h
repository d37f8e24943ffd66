// The spiral families (parastichies): points a Fibonacci number of births
// apart lie on one visible spiral. Near the centre steps 5, 8 and 13 show;
// further out larger steps take over. The table says which step is used where.
#pragma once

#include "FibPointSet.h"

#include <vector>

int fibonacci(unsigned k);

struct SpiralFamily {
    int order;  // Fibonacci order k: the family's step is fibonacci(k)
    int first;  // first element covered (0 = youngest)
    int last;   // last element covered, or -1 while open towards the outside
};

// Starts the table over with the open families of orders 5, 6 and 7.
void resetFamilies(std::vector<SpiralFamily>& families);

// One extension step: closes the oldest open family where the family three
// orders up first joins nearer neighbours, and appends that one. False when
// no family fits (the table is then unchanged).
bool extendFamilies(std::vector<SpiralFamily>& families, const FibPointSet& points, bool spheric);

// Reset, then extend until nothing more fits.
void rebuildFamilies(std::vector<SpiralFamily>& families, const FibPointSet& points, bool spheric);

// The last element to draw for a family that covers from `first` and was
// closed at `last` (negative: open). An open family runs to the outermost
// point, or on the sphere to the mirror image of its first element.
int coverageEnd(int first, int last, const FibPointSet& points, bool spheric);
