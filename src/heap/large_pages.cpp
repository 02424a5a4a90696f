// SPDX-License-Identifier: MIT
// Linked into the programs and the benchmarks, never into the sanitizer or fuzz builds: the
// programs allocate through mimalloc (it replaces malloc for the whole process when it is one of
// the program's libraries), and mimalloc is asked to back its memory with 2 MiB pages.
//
// A big net is hundreds of thousands of small objects, and reading one touches tens of megabytes
// the process has never used. Each first touch of a 4 KiB page is a page fault, and on virtual
// machines a fault costs around ten microseconds: the first open of a 240,000-object net spent
// more time in faults than in reading. With 2 MiB pages there are 512 times fewer of them.
// MIMALLOC_LARGE_OS_PAGES=0 in the environment switches this off.
#include <cstdlib>
#include <mimalloc.h>

namespace {

void UseLargePages(int, char **, char **)
{
    if (!std::getenv("MIMALLOC_LARGE_OS_PAGES"))
        mi_option_enable(mi_option_large_os_pages);
}

} // namespace

// Before any library's start-up code, which already allocates.
[[gnu::section(".preinit_array"), gnu::used]] void (*const morvaneUseLargePages)(
    int, char **, char **)
    = UseLargePages;
