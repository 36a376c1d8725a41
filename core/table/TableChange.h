#pragma once

#include "table/Value.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace tvx {

// What happened to a record table. Subscribers (Qt models, catalogues) react
// to these; after a Reset everything may have changed, the current record too.
struct TableChange {
    enum class Kind {
        RecordPosted,   // id: the stored record; wasInsert: it is new
        RecordDeleted,  // id: the record that is gone
        Reset,          // load, clear, sort, filter, recalculation, end of a bulk update
        CurrentChanged, // id: the new current record (0: none)
    };
    Kind kind = Kind::Reset;
    RecordId id = 0;
    bool wasInsert = false;
};

using TableListener = std::function<void(const TableChange&)>;

namespace detail {

// The subscriber list of one table. Shared with the subscription tokens so a
// token may outlive its table (and the table its tokens).
class ListenerList {
public:
    std::uint64_t add(TableListener fn);
    void remove(std::uint64_t id);
    // Calls every listener subscribed when the call starts; one that is
    // unsubscribed meanwhile is skipped.
    void notify(const TableChange& change);
    bool empty() const { return entries_.empty(); }

private:
    struct Entry {
        std::uint64_t id;
        TableListener fn;
        bool alive = true;
    };
    std::vector<std::shared_ptr<Entry>> entries_;
    std::uint64_t nextId_ = 1;
};

} // namespace detail

// Move-only token of one subscription; unsubscribes when destroyed or reset.
class Subscription {
public:
    Subscription() = default;
    Subscription(std::weak_ptr<detail::ListenerList> list, std::uint64_t id)
        : list_(std::move(list)), id_(id) {}
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    Subscription(Subscription&& other) noexcept
        : list_(std::move(other.list_)), id_(other.id_) { other.id_ = 0; }
    Subscription& operator=(Subscription&& other) noexcept
    {
        if (this != &other) {
            reset();
            list_ = std::move(other.list_);
            id_ = other.id_;
            other.id_ = 0;
        }
        return *this;
    }
    ~Subscription() { reset(); }

    void reset()
    {
        if (id_ != 0) {
            if (auto list = list_.lock())
                list->remove(id_);
            id_ = 0;
        }
        list_.reset();
    }
    bool active() const { return id_ != 0 && !list_.expired(); }

private:
    std::weak_ptr<detail::ListenerList> list_;
    std::uint64_t id_ = 0;
};

} // namespace tvx
