#pragma once

namespace voka {

// The sine rotation step: pairs element j with element n-j and rotates them by
// theta = pi*j/(2n), with wr = (cos theta - sin theta)/2 and
// wi = (cos theta + sin theta)/2 read from the cosine part `cs` (built for
// nc >= n doubles, stride nc/n); element n/2 is scaled by cos(pi/4).
void SineTwiddleStep(int n, double* a, int nc, const double* cs);

namespace lanes {

template <class Lane>
void SineTwiddleStep(int n, typename Lane::V* a, int nc, const double* cs) {
  const int ks = nc / n;
  int kk = 0;
  for (int j = 1; j < n / 2; ++j) {
    const int k = n - j;
    kk += ks;
    const auto wr = Lane::Splat(cs[kk] - cs[nc - kk]);
    const auto wi = Lane::Splat(cs[kk] + cs[nc - kk]);
    const auto x = wi * a[k] - wr * a[j];
    a[k] = wr * a[k] + wi * a[j];
    a[j] = x;
  }
  a[n / 2] = a[n / 2] * Lane::Splat(cs[0]);
}

}  // namespace lanes
}  // namespace voka
