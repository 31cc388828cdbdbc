#include "core/process/heap_tuning.h"

#include <cstdint>
#include <cstdlib>  // also defines __GLIBC__ where the C library is glibc

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace jrv::process {

#if defined(__linux__) && defined(__GLIBC__)

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
// Room for the largest run the program is built for (a few thousand cases, a hundred items,
// every report), so the heap grows once rather than in 128 KiB steps.
constexpr std::size_t kHeapReserve = std::size_t{24} << 20;
// Blocks up to this size come from the heap and are reused instead of mapped and unmapped.
constexpr int kMapThreshold = 64 << 20;

}  // namespace

void tune_heap_for_large_runs() {
  mallopt(M_MMAP_THRESHOLD, kMapThreshold);
  mallopt(M_TRIM_THRESHOLD, kMapThreshold);
  mallopt(M_TOP_PAD, static_cast<int>(kHeapReserve));
  // One allocation past the current top makes the heap grow by the reserve now; freeing it
  // leaves that stretch as free space for what follows.
  void* probe = std::malloc(kHugePage);
  if (probe == nullptr) return;
  const auto first = reinterpret_cast<std::uintptr_t>(probe);
  const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0));
  std::free(probe);
  const std::uintptr_t begin = (first + kHugePage - 1) & ~(kHugePage - 1);
  if (end > begin + kHugePage)
    madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);  // advice only
}

#else

void tune_heap_for_large_runs() {}

#endif

}  // namespace jrv::process
