#pragma once

// How the C library's heap behaves for a program that builds a few megabytes of reports in
// one go: faulting in the pages of a large run one by one costs more than computing it, so
// the heap keeps what it frees and asks the kernel for huge pages where it can. Call once,
// first thing in main. Where the C library or the kernel has no such knobs, or another
// allocator serves the program, it does nothing.

namespace jrv::process {

// Keeps freed blocks for reuse (no return to the kernel, no mapping of large blocks on their
// own) and backs a reserved stretch of the heap with transparent huge pages. Nothing is
// touched ahead of use; what is used is counted in whole huge pages (a few megabytes more
// resident at most).
void tune_heap_for_large_runs();

}  // namespace jrv::process
