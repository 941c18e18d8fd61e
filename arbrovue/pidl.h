#pragma once

// Item-ID lists: the namespace's identifier of a folder, a block of bytes.
// Each item ID starts with its total size (16 bits, the two size bytes
// included) followed by the namespace's own data; a 16-bit zero ends the list.
// The empty list (the terminator alone) is the desktop. Sizes are 16-bit
// signed values: a list beyond 32 767 bytes is not supported.
//
// Lists come from the allocator below and go back to it through Pidl, which
// owns them; the free-input flags of the original operations are ownership
// here (a list handed over as a Pidl rvalue is freed by its new owner).

#include <cstdint>
#include <memory>
#include <stdexcept>

namespace arbrovue {

using Octet = std::uint8_t;

struct LiberateurPidl {
    void operator()(Octet* liste) const noexcept;
};
using Pidl = std::unique_ptr<Octet, LiberateurPidl>;

// Raised when a copy would pass the 16-bit size limit.
class DepassementPidl : public std::overflow_error {
public:
    using std::overflow_error::overflow_error;
};

constexpr int TaillePidlMax = 32767;

// 0 for no list, else the 16-bit count at the address.
std::uint16_t GetItemSize(const Octet* item);
// The item after this one; nullptr on the terminator (or no list).
const Octet* GetNextItem(const Octet* item);
// Number of item IDs before the terminator (0 for the desktop or no list).
int GetItemCount(const Octet* liste);
// Item sizes plus 2 for the terminator; 0 for no list or a sum above 32 765.
std::uint16_t GetPidlSize(const Octet* liste);

// A zero-filled block, or nothing when the allocator refuses.
Pidl AllocZeroed(std::size_t taille);
// A one-item list copying the n-th item (from 1); n = -1 or n >= count: the last.
Pidl CopyItemAt(const Octet* liste, int n);
// A copy of the whole list; nothing for no list or an unsupported size.
Pidl DuplicatePidl(const Octet* liste);
// Frees the list and leaves the variable empty.
void FreePidl(Pidl& liste);
// All item IDs but the last. A list without items gives nothing unless
// `permettreVide`, then an empty list.
Pidl CopyParentPidl(const Octet* liste, bool permettreVide);
// The items of `premiere` then those of `seconde`; either may be absent.
Pidl ConcatPidl(const Octet* premiere, const Octet* seconde);

// A one-item list holding `donnees` after the size (for the namespace).
Pidl CreerItem(const Octet* donnees, std::size_t taille);

} // namespace arbrovue
