#pragma once

#include <string>
#include <vector>

namespace orvalen {

class EventPump;

// Text entries kept one per line; the store always addresses them from index 0.
using Lines = std::vector<std::string>;

// Leaves exactly one empty entry: the form of a list that holds nothing.
void ClearLines(Lines& lines);

// Removes the empty entries and keeps the order of the others. A list of
// empty entries only keeps all of them, so that writing it still gives one
// empty line per entry. Pending events run once per entry looked at and once
// per entry copied back.
void PackLines(Lines& lines, EventPump& pump);

}  // namespace orvalen
