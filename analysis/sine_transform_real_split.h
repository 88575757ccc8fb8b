#pragma once

namespace voka {

// Separates the spectrum of the n real values from that of the n/2 complex
// pairs ComplexForward has just transformed. `cs` is the cosine part of the
// table, built for nc >= n doubles; it is read with the stride 4*nc/n.
void RealSplitForward(int n, double* a, int nc, const double* cs);

// The split step before ComplexBackward, its counterpart in the other direction.
void RealSplitBackward(int n, double* a, int nc, const double* cs);

namespace lanes {

template <class Lane>
void RealSplitForward(int n, typename Lane::V* a, int nc, const double* cs) {
  const int ks = 4 * nc / n;
  int kk = 0;
  for (int j = 2; j < n / 2; j += 2) {
    const int k = n - j;
    kk += ks;
    const auto wr = Lane::Splat(0.5 - cs[nc - kk]);
    const auto wi = Lane::Splat(cs[kk]);
    const auto xr = a[j] - a[k];
    const auto xi = a[j + 1] + a[k + 1];
    const auto yr = wr * xr - wi * xi;
    const auto yi = wr * xi + wi * xr;
    a[j] = a[j] - yr;
    a[j + 1] = a[j + 1] - yi;
    a[k] = a[k] + yr;
    a[k + 1] = a[k + 1] - yi;
  }
}

template <class Lane>
void RealSplitBackward(int n, typename Lane::V* a, int nc, const double* cs) {
  a[1] = -a[1];
  const int ks = 4 * nc / n;
  int kk = 0;
  for (int j = 2; j < n / 2; j += 2) {
    const int k = n - j;
    kk += ks;
    const auto wr = Lane::Splat(0.5 - cs[nc - kk]);
    const auto wi = Lane::Splat(cs[kk]);
    const auto xr = a[j] - a[k];
    const auto xi = a[j + 1] + a[k + 1];
    const auto yr = wr * xr + wi * xi;
    const auto yi = wr * xi - wi * xr;
    a[j] = a[j] - yr;
    a[j + 1] = yi - a[j + 1];
    a[k] = a[k] + yr;
    a[k + 1] = yi - a[k + 1];
  }
  a[n / 2 + 1] = -a[n / 2 + 1];
}

}  // namespace lanes
}  // namespace voka
