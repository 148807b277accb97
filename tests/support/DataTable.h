#pragma once

#include <QTest>
#include <array>
#include <tuple>
#include <utility>

// One-line column declarations and reads for data-driven tests.
namespace dvk::test {

namespace detail {

template <typename... T, std::size_t... I>
void addColumns(const std::array<const char*, sizeof...(T)>& names, std::index_sequence<I...>)
{
    (QTest::addColumn<T>(names[I]), ...);
}

template <typename... T, std::size_t... I>
std::tuple<T...> fetch(const std::array<const char*, sizeof...(T)>& names,
                       std::index_sequence<I...>)
{
    return std::tuple<T...>(*static_cast<T*>(QTest::qData(names[I], qMetaTypeId<T>()))...);
}

} // namespace detail

// Declares the columns of a data-driven test: addColumns<int, QString>({"a", "b"}).
template <typename... T> void addColumns(const std::array<const char*, sizeof...(T)>& names)
{
    detail::addColumns<T...>(names, std::index_sequence_for<T...>());
}

// The current row's values of the named columns, as QFETCH reads them:
// const auto [a, b] = fetch<int, QString>({"a", "b"});
template <typename... T> std::tuple<T...> fetch(const std::array<const char*, sizeof...(T)>& names)
{
    return detail::fetch<T...>(names, std::index_sequence_for<T...>());
}

// A table of one bool column: a row named `off` holding false, then one named `on` holding true.
inline void addSwitchRows(const char* column, const char* off, const char* on)
{
    QTest::addColumn<bool>(column);
    QTest::newRow(off) << false;
    QTest::newRow(on) << true;
}

} // namespace dvk::test
