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
// Room for the largest run the program is built for (ten thousand cases, a hundred items,
// every report), so the heap grows once rather than in 128 KiB steps.
constexpr std::size_t kHeapReserve = std::size_t{24} << 20;
// Blocks up to this size come from the heap and are reused instead of mapped and unmapped.
constexpr int kMapThreshold = 64 << 20;

// Holds the stretch of heap below the first huge-page boundary for the whole run, so that
// what the program allocates lands in huge pages. Never written beyond its header: it costs
// address space, not memory.
void* volatile below_first_huge_page = nullptr;  // volatile: kept though never read

}  // namespace

void tune_heap_for_large_runs() {
  mallopt(M_MMAP_THRESHOLD, kMapThreshold);
  mallopt(M_TRIM_THRESHOLD, kMapThreshold);
  // One block as large as the reserve makes the heap grow by that much now; freed, it leaves
  // the stretch as free space for what follows. Its end is the only place written, so the
  // huge pages below it are still untouched when the advice is given.
  void* probe = std::malloc(kHeapReserve);
  if (probe == nullptr) return;
  const auto first = reinterpret_cast<std::uintptr_t>(probe);
  const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0));
  std::free(probe);
  // Only a block carved from the program break is ours to shape (not one a checking
  // allocator such as a sanitizer's placed elsewhere).
  if (first >= end || end - first < kHeapReserve) return;
  const std::uintptr_t begin = (first + kHugePage - 1) & ~(kHugePage - 1);
  if (end <= begin + kHugePage) return;
  madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);  // advice only
  constexpr std::size_t kHeader = 2 * sizeof(std::size_t);
  if (begin - first > 64 * kHeader) below_first_huge_page = std::malloc(begin - first - kHeader);
}

#else

void tune_heap_for_large_runs() {}

#endif

}  // namespace jrv::process
