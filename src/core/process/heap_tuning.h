#pragma once

// How the C library's heap behaves for a program that builds a few megabytes of reports in
// one go: the pages of a large run cost more to fault in one by one than to compute, so the
// heap keeps what it frees and asks the kernel for large pages where it can. Call once, first
// thing in main, before the heap is used much. Where the C library or the kernel has no such
// knobs it does nothing.

namespace jrv::process {

// Keeps freed blocks for reuse (no return to the kernel, no mapping of large blocks on their
// own) and backs a reserved stretch of the heap with transparent huge pages. Peak memory
// grows by at most one huge page per megabytes touched; nothing is faulted in ahead of use.
void tune_heap_for_large_runs();

}  // namespace jrv::process
