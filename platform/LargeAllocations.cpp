// SPDX-License-Identifier: GPL-3.0-or-later
// The program's operator new: as the standard one, except that a block of
// several megabytes is marked for transparent huge pages. A big page's text
// and style bytes are two such blocks, zeroed as they are made, and every
// 4 KB of them first touched cost a page fault: 300 ms for a 50 MB page on
// a virtual machine, where 2 MB pages took 20 to 50 ms. The kernel decides
// whether it has huge pages to give; the memory used is the same, as every
// byte of such a block is written at once. Left out under AddressSanitizer,
// which brings an operator new of its own.
#if defined(__has_feature)
#if __has_feature(address_sanitizer) // clang's way of saying it
#define TAGSMITH_ADDRESS_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TAGSMITH_ADDRESS_SANITIZER
#endif
#if !defined(TAGSMITH_ADDRESS_SANITIZER)

#include <cstdint>
#include <cstdlib>
#include <new>
#include <sys/mman.h>

namespace {
constexpr std::size_t kHugePage = std::size_t(2) << 20;
constexpr std::size_t kMarkFrom = 4 * kHugePage;

void markForHugePages(void *block, std::size_t size)
{
    // Only whole huge pages inside the block: its neighbours keep theirs.
    const auto from = (std::uintptr_t(block) + kHugePage - 1) & ~(kHugePage - 1);
    const auto to = (std::uintptr_t(block) + size) & ~(kHugePage - 1);
    if (to > from)
        madvise(reinterpret_cast<void *>(from), to - from, MADV_HUGEPAGE);
}
} // namespace

void *operator new(std::size_t size)
{
    for (;;) {
        if (void *block = std::malloc(size ? size : 1)) {
            if (size >= kMarkFrom)
                markForHugePages(block, size);
            return block;
        }
        const std::new_handler handler = std::get_new_handler();
        if (!handler)
            throw std::bad_alloc();
        handler();
    }
}

#endif
