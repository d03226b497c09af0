#pragma once
// How the program's allocator treats large blocks. Boards of 260 × 330 up to 780 × 990
// pixels are allocated and freed for every animation and board picture; by default the
// allocator gives such blocks back to the system at once, and every page of the next one
// then costs the system a fault, which took as long as a third of a short game's whole
// animation. Called once at the start of each program, before any thread.

namespace kelvara {

// Large blocks come from the allocator's own heap and freed memory stays there for reuse,
// up to the program's high-water mark.
void keep_freed_memory_for_reuse();

}  // namespace kelvara
