#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <utility>
#include <vector>

namespace tramel {

// Mixes v into the hash h.
inline void hashCombine(std::size_t& h, std::size_t v)
{
    h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
}

// Values kept by key within a budget of bytes: when an addition would pass
// it, the least recently used entries are dropped until a quarter of the
// budget is free, so that dropping happens seldom. A drawing looks up tens of
// thousands of entries per redraw, so the entries lie in one array and the
// lookup table in another, open-addressed, and a use is a counter stamped on
// the entry found.
template <class Key, class Value, class Hash>
class BoundedCache {
public:
    explicit BoundedCache(std::size_t budgetBytes) : budget_(budgetBytes) {}

    // The value of the key, marked as just used; nullptr when it is not kept.
    // Valid until the next add.
    const Value* find(const Key& key)
    {
        Entry* e = lookup(key, Hash()(key)).second;
        if (!e)
            return nullptr;
        e->used = ++clock_;
        return &e->value;
    }

    // Keeps the value, which takes about `bytes` besides its key, in place of
    // any value the key had. The reference is valid until the next add.
    const Value& add(Key key, Value value, std::size_t bytes)
    {
        const std::size_t h = Hash()(key);
        if (Entry* e = lookup(key, h).second) {
            bytes_ = bytes_ - e->bytes + bytes;
            *e = Entry{std::move(key), std::move(value), ++clock_, bytes, h};
            return e->value;
        }
        if (bytes_ + bytes > budget_)
            trim(bytes);
        entries_.push_back(Entry{std::move(key), std::move(value), ++clock_, bytes, h});
        bytes_ += bytes;
        if (2 * entries_.size() > slots_.size())
            rebuild();
        else
            place(entries_.size() - 1);
        return entries_.back().value;
    }

    std::size_t size() const { return entries_.size(); }
    std::size_t bytes() const { return bytes_; }

private:
    struct Entry {
        Key key;
        Value value;
        std::uint64_t used = 0;
        std::size_t bytes = 0;
        std::size_t hash = 0;
    };
    // An entry's index plus one (0: free), and the low bits of its hash, so
    // that most entries that do not match are passed without reading them.
    struct Slot {
        std::uint32_t entry = 0;
        std::uint32_t hash = 0;
    };

    std::size_t mask() const { return slots_.size() - 1; }

    // The slot of the key (or the free slot where it would go), and its entry.
    std::pair<std::size_t, Entry*> lookup(const Key& key, std::size_t h)
    {
        if (slots_.empty())
            return {0, nullptr};
        for (std::size_t i = h & mask();; i = (i + 1) & mask()) {
            const Slot s = slots_[i];
            if (s.entry == 0)
                return {i, nullptr};
            Entry& e = entries_[s.entry - 1];
            if (s.hash == static_cast<std::uint32_t>(h) && e.key == key)
                return {i, &e};
        }
    }

    void place(std::size_t index)
    {
        const Entry& e = entries_[index];
        const std::size_t i = lookup(e.key, e.hash).first;
        slots_[i] = Slot{static_cast<std::uint32_t>(index + 1), static_cast<std::uint32_t>(e.hash)};
    }

    // A table of at least four slots per entry, rounded up to a power of two.
    void rebuild()
    {
        std::size_t n = 16;
        while (n < 4 * entries_.size())
            n *= 2;
        slots_.assign(n, Slot{});
        for (std::size_t i = 0; i < entries_.size(); ++i)
            place(i);
    }

    // Drops the oldest entries until `incoming` more bytes leave a quarter of the budget free.
    void trim(std::size_t incoming)
    {
        std::vector<std::size_t> order(entries_.size());
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return entries_[a].used < entries_[b].used;
        });
        const std::size_t target = budget_ - budget_ / 4;
        std::vector<bool> drop(entries_.size());
        for (const std::size_t i : order) {
            if (bytes_ + incoming <= target)
                break;
            drop[i] = true;
            bytes_ -= entries_[i].bytes;
        }
        std::size_t kept = 0;
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (drop[i])
                continue;
            if (kept != i)
                entries_[kept] = std::move(entries_[i]);
            ++kept;
        }
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(kept), entries_.end());
        rebuild();
    }

    std::size_t budget_;
    std::size_t bytes_ = 0;
    std::uint64_t clock_ = 0;
    std::vector<Entry> entries_;
    std::vector<Slot> slots_;
};

} // namespace tramel
