#pragma once

#include <functional>

#include "common/event_pump.h"

namespace orvalen::testing {

// Counts the times pending events were let run, and runs a scripted handler
// each time.
class RecordingPump final : public EventPump {
public:
    RecordingPump() = default;
    explicit RecordingPump(std::function<void()> handler) : handler_(std::move(handler)) {}

    void DoEvents() override {
        ++calls;
        if (handler_) handler_();
    }

    int calls = 0;

private:
    std::function<void()> handler_;
};

}  // namespace orvalen::testing
