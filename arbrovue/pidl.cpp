#include "arbrovue/pidl.h"

#include <cstdlib>
#include <cstring>

namespace arbrovue {

namespace {

// Sizes stand at any byte offset: copied, never read through a 16-bit pointer.
std::uint16_t lireTaille(const Octet* p) {
    std::uint16_t t;
    std::memcpy(&t, p, sizeof t);
    return t;
}

void ecrireTaille(Octet* p, std::uint16_t t) {
    std::memcpy(p, &t, sizeof t);
}

// Bytes of the items of a list, terminator excluded, counted without 16-bit wrap.
long octetsDesItems(const Octet* liste, int combien = -1) {
    long somme = 0;
    for (const Octet* p = liste; p && GetItemSize(p) && combien != 0; p = GetNextItem(p), --combien)
        somme += GetItemSize(p);
    return somme;
}

Pidl copieTerminee(const Octet* debut, long octets, const char* quoi) {
    if (octets > TaillePidlMax - 2)
        throw DepassementPidl(quoi);
    Pidl copie = AllocZeroed(static_cast<std::size_t>(octets) + 2);
    if (copie && octets > 0)
        std::memcpy(copie.get(), debut, static_cast<std::size_t>(octets));
    return copie; // AllocZeroed already wrote the terminator
}

} // namespace

void LiberateurPidl::operator()(Octet* liste) const noexcept {
    std::free(liste);
}

std::uint16_t GetItemSize(const Octet* item) {
    return item ? lireTaille(item) : 0;
}

const Octet* GetNextItem(const Octet* item) {
    const std::uint16_t taille = GetItemSize(item);
    return taille ? item + taille : nullptr;
}

int GetItemCount(const Octet* liste) {
    int n = 0;
    for (const Octet* p = liste; p && GetItemSize(p); p = GetNextItem(p))
        ++n;
    return n;
}

std::uint16_t GetPidlSize(const Octet* liste) {
    if (!liste)
        return 0;
    const long somme = octetsDesItems(liste);
    return somme > TaillePidlMax - 2 ? 0 : static_cast<std::uint16_t>(somme + 2);
}

Pidl AllocZeroed(std::size_t taille) {
    return Pidl(static_cast<Octet*>(std::calloc(taille ? taille : 1, 1)));
}

Pidl CopyItemAt(const Octet* liste, int n) {
    const int compte = GetItemCount(liste);
    if (n < 0 || n > compte)
        n = compte;
    const Octet* p = liste;
    for (int i = 1; i < n; ++i)
        p = GetNextItem(p);
    return copieTerminee(p, GetItemSize(p), "item ID de plus de 32 765 octets");
}

Pidl DuplicatePidl(const Octet* liste) {
    const std::uint16_t taille = GetPidlSize(liste);
    if (!taille)
        return {};
    Pidl copie = AllocZeroed(taille);
    if (copie)
        std::memcpy(copie.get(), liste, taille);
    return copie;
}

void FreePidl(Pidl& liste) {
    liste.reset();
}

Pidl CopyParentPidl(const Octet* liste, bool permettreVide) {
    const int compte = GetItemCount(liste);
    if (compte == 0 && !permettreVide)
        return {};
    const long octets = compte ? octetsDesItems(liste, compte - 1) : 0;
    return copieTerminee(liste, octets, "liste parente de plus de 32 765 octets");
}

Pidl ConcatPidl(const Octet* premiere, const Octet* seconde) {
    const long un = octetsDesItems(premiere);
    const long deux = octetsDesItems(seconde);
    if (un + deux + 2 >= TaillePidlMax - 1)
        throw DepassementPidl("concaténation de 32 766 octets ou plus");
    Pidl liste = AllocZeroed(static_cast<std::size_t>(un + deux) + 2);
    if (!liste)
        return {};
    if (un)
        std::memcpy(liste.get(), premiere, static_cast<std::size_t>(un));
    if (deux)
        std::memcpy(liste.get() + un, seconde, static_cast<std::size_t>(deux));
    return liste;
}

Pidl CreerItem(const Octet* donnees, std::size_t taille) {
    if (taille + 2 > TaillePidlMax - 2)
        throw DepassementPidl("item ID de plus de 32 765 octets");
    Pidl item = AllocZeroed(taille + 4);
    if (!item)
        return {};
    ecrireTaille(item.get(), static_cast<std::uint16_t>(taille + 2));
    std::memcpy(item.get() + 2, donnees, taille);
    return item;
}

} // namespace arbrovue
