#pragma once

// Dialogs, print jobs and start-up leave freed memory in the heap that the allocator keeps for
// later; on glibc it is handed back to the system only past a high-water mark. This hands it back
// once the event loop is next idle, so a long-running program stays as small as its live data.
namespace MemoryTrim {

// Asks for one trim on the next idle turn of the event loop; calls in between add nothing.
void ReleaseFreedMemorySoon();
// Trims now; true when the allocator handed memory back (always false without glibc).
bool ReleaseFreedMemory();

} // namespace MemoryTrim
