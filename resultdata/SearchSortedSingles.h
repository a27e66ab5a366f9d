#pragma once
// Binary search over grid coordinates, used to find the column and row under
// the mouse.

// The number of entries of the ascending `values` (count of them) that lie
// below x: 0 .. count, and 0 for a count of 0 or below. An x equal to an entry
// gives that entry's index (the first of equal entries), so a node belongs to
// the cell on its lower side.
int SearchSortedSingles(const float* values, int count, double x);
