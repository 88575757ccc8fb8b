// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace voka::test {

// Whether this test program runs under AddressSanitizer or ThreadSanitizer,
// where the long sums run some fifteen times slower: tests that check
// bookkeeping rather than numbers use less work there.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
inline constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
inline constexpr bool kSanitized = true;
#else
inline constexpr bool kSanitized = false;
#endif
#else
inline constexpr bool kSanitized = false;
#endif

}  // namespace voka::test
