#include "table/TableChange.h"

#include <algorithm>

namespace tvx::detail {

std::uint64_t ListenerList::add(TableListener fn)
{
    const std::uint64_t id = nextId_++;
    entries_.push_back(std::make_shared<Entry>(Entry{id, std::move(fn)}));
    return id;
}

void ListenerList::remove(std::uint64_t id)
{
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [id](const auto& e) { return e->id == id; });
    if (it != entries_.end()) {
        (*it)->alive = false;
        entries_.erase(it);
    }
}

void ListenerList::notify(const TableChange& change)
{
    if (entries_.empty())
        return;
    // A listener may subscribe or unsubscribe (itself or others) while called.
    const auto snapshot = entries_;
    for (const auto& entry : snapshot) {
        if (entry->alive)
            entry->fn(change);
    }
}

} // namespace tvx::detail
