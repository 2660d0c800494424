#include "store/lines.h"

#include "common/event_pump.h"

namespace orvalen {

void ClearLines(Lines& lines) {
    lines.assign(1, std::string());
}

void PackLines(Lines& lines, EventPump& pump) {
    // Packed into a work list first: handlers that run in between see the
    // caller's list whole.
    Lines work(lines.size());
    std::size_t kept = 0;
    for (const std::string& entry : lines) {
        if (!entry.empty()) work[kept++] = entry;
        pump.DoEvents();
    }
    if (kept > 0) work.resize(kept);

    lines.clear();
    for (std::string& entry : work) {
        lines.push_back(std::move(entry));
        pump.DoEvents();
    }
}

}  // namespace orvalen
