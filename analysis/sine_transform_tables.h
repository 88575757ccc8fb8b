#pragma once

#include <cstdint>

namespace voka {

// Sets index[0] to nw and index[1] to 1 (so the cosine part behind it is
// rebuilt), then, for nw > 2, fills the twiddle part `w` with the nw/2 pairs
// T[p] = e^(i*pi*r(p)/nw), r reversing the log2(nw/2) bits of p: the angles
// 0 <= theta < pi/2 in bit-reversed order. In that order the first entries of
// a long table are the whole table of every shorter one.
void BuildTwiddleTable(int nw, std::int32_t* index, double* w);

// Sets index[1] to nc and, for nc > 1, fills the cosine part `cs`:
// cs[0] = cos(pi/4), cs[i] = cos(pi*i/(2*nc))/2 for 0 < i < nc.
void BuildCosineTable(int nc, std::int32_t* index, double* cs);

// Makes sure the tables serve a transform of length n: rebuilds the twiddle
// part when n > 4*nw (which brings a new cosine part too) and the cosine part
// when n > nc. Tables built for a longer length are used as they are.
void EnsureTables(int n, std::int32_t* index, double* table);

}  // namespace voka
