#pragma once

namespace zelkor {

// Lets the process keep the memory a long list frees for the next one. By
// default the C library hands freed memory back to the system at once and takes
// it again, page by page, for the next list: on these machines the page faults
// of a 13,000-row list cost as much as its statement. At most 64 MiB of freed
// memory is kept, and only blocks under 32 MiB are drawn from it (a grid of a
// million cells holds 16 MiB of cell places in one block); a larger block
// (a password hash's memory) is still handed back when it is freed.
void KeepFreedHeap();

}  // namespace zelkor
