#pragma once

namespace orvalen {

// Lets pending window events run from inside a routine, as the store, the
// seconds dial and the reveal timer do. Tests script events here to check
// re-entrancy.
class EventPump {
public:
    virtual void DoEvents() = 0;

protected:
    ~EventPump() = default;
};

}  // namespace orvalen
