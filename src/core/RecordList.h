#pragma once

#include "Clock.h"

#include <QSet>
#include <algorithm>
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

namespace dvk {

// An ordered list that owns its records. Records keep the order they were added in; the panels
// sort only their displays. Records are referred to by identity (their address), which stays
// valid until the record is removed. A list can be given a hook that is called after every
// addition or removal, so that whoever saves the data hears of each one.
template <class T> class RecordList final
{
public:
    explicit RecordList(const Clock& clock)
        : m_clock(&clock)
    {}
    RecordList(const RecordList&) = delete;
    RecordList& operator=(const RecordList&) = delete;
    RecordList(RecordList&&) noexcept = default;
    RecordList& operator=(RecordList&&) noexcept = default;

    // Constructs a record with its defaults, appends it and returns it for the caller to fill.
    T* add() { return append(makeRecord()); }

    // A record with its defaults that is not yet in the list.
    std::unique_ptr<T> makeRecord() const
    {
        if constexpr (std::is_constructible_v<T, const Clock&>)
            return std::make_unique<T>(*m_clock);
        else
            return std::make_unique<T>();
    }
    // A record whose dates are left at zero, for a reader that fills every field and appends the
    // record only when it was read completely.
    template <class Tag> std::unique_ptr<T> makeUnfilledRecord(Tag tag) const
    {
        if constexpr (std::is_constructible_v<T, const Clock&, Tag>)
            return std::make_unique<T>(*m_clock, tag);
        else
            return makeRecord();
    }

    T* append(std::unique_ptr<T> record)
    {
        m_records.push_back(std::move(record));
        changed();
        return m_records.back().get();
    }

    // Takes the record out and destroys it; a record that is not in the list is ignored.
    void remove(const T* record)
    {
        const auto it = std::find_if(m_records.begin(), m_records.end(),
                                     [record](const auto& r) { return r.get() == record; });
        if (it != m_records.end()) {
            m_records.erase(it);
            changed();
        }
    }

    // Removes every listed record in one pass, keeping the order of the others. Removing many
    // selected rows one by one would cost a search each.
    void removeAll(const QSet<const T*>& records)
    {
        if (records.isEmpty())
            return;
        if (std::erase_if(m_records,
                          [&records](const auto& r) { return records.contains(r.get()); }) > 0)
            changed();
    }

    bool contains(const T* record) const
    {
        return std::any_of(m_records.begin(), m_records.end(),
                           [record](const auto& r) { return r.get() == record; });
    }

    qsizetype count() const { return qsizetype(m_records.size()); }
    bool isEmpty() const { return m_records.empty(); }
    T* at(qsizetype i) const { return m_records[size_t(i)].get(); }
    T* operator[](qsizetype i) const { return at(i); }
    void clear()
    {
        if (m_records.empty())
            return;
        m_records.clear();
        changed();
    }
    // Called after every addition or removal; an empty hook silences the list.
    void setChangeHook(std::function<void()> hook) { m_changeHook = std::move(hook); }
    const Clock& clock() const { return *m_clock; }

    // Iteration yields record pointers in list order.
    class const_iterator
    {
    public:
        using Base = typename std::vector<std::unique_ptr<T>>::const_iterator;
        explicit const_iterator(Base it)
            : m_it(it)
        {}
        T* operator*() const { return m_it->get(); }
        const_iterator& operator++()
        {
            ++m_it;
            return *this;
        }
        bool operator==(const const_iterator&) const = default;

    private:
        Base m_it;
    };
    const_iterator begin() const { return const_iterator(m_records.begin()); }
    const_iterator end() const { return const_iterator(m_records.end()); }

private:
    void changed() const
    {
        if (m_changeHook)
            m_changeHook();
    }

    const Clock* m_clock;
    std::vector<std::unique_ptr<T>> m_records;
    std::function<void()> m_changeHook;
};

} // namespace dvk
