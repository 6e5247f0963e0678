#include "platform/ui/freed_memory.h"

#include <cstdlib>  // defines __GLIBC__ on the GNU C library
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace ui {

void keepFreedMemory()
{
#if defined(__GLIBC__)
    // Blocks below 16 MB come from the heap, where a freed one can serve again; up to 64 MB left
    // free at its top stays there. Fixed values also stop the library from lowering them again.
    mallopt(M_MMAP_THRESHOLD, 16 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
#endif
}

} // namespace ui
