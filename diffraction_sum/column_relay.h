// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace voka::detail {

// Work on one block of one column: blocks of a column are independent of each
// other, but a column may start only after the previous one has ended.
using ColumnBlockWork = std::function<void(int column, int block)>;

// Runs on the calling thread before a column starts, in column order.
using BeforeColumn = std::function<void(int column)>;

// Runs work(column, block) for every column in ascending order and every block
// of it, the blocks of a column spread over `workerCount` threads of its own
// (0: everything on the calling thread). beforeColumn(c) runs on the calling
// thread before column c starts, while column c - 1 is still being worked on.
// If beforeColumn throws, the workers stop after their current block and the
// exception is passed on once they have ended.
void RelayColumns(int columnCount, int blockCount, int workerCount, const ColumnBlockWork& work,
                  const BeforeColumn& beforeColumn);

}  // namespace voka::detail
