#pragma once

#include <QTest>

#include <iterator>
#include <tuple>

// A data function for a table of tuples whose first member names the row: each row becomes
// a QTest row holding its index, so that a failure names the row it came from.
template <typename Table> void addRowNumbers(const Table& table) {
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(table)); ++row)
        QTest::newRow(std::get<0>(table[row])) << row;
}
