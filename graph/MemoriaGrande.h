#pragma once

// Buffers allocated once and zeroed: a point list, a picture's pixels. One of a megabyte or more is
// aligned to 2 MB and, where the system offers it, backed by huge pages: filling it then costs a page
// fault per 2 MB instead of one per 4 KB, and on a virtual machine those faults are most of the time a
// large picture takes to make.

#include <cstddef>
#include <cstdlib>
#include <cstring>

#if defined(__linux__)
#include <sys/mman.h>
#endif

// At least `byte` bytes, zeroed; free with std::free. Nullptr when memory is short.
inline void* MemoriaGrande(size_t byte) {
    constexpr size_t Pagina = size_t(2) << 20;
    if (byte < Pagina / 2) // small: not worth a huge page
        return std::calloc(1, byte ? byte : 1);
    const size_t intero = (byte + Pagina - 1) / Pagina * Pagina;
    void* dati = std::aligned_alloc(Pagina, intero);
    if (!dati)
        return nullptr;
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    madvise(dati, intero, MADV_HUGEPAGE);
#endif
    std::memset(dati, 0, byte);
    return dati;
}
