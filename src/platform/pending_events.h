#pragma once

namespace orvalen {

// Whether the event loop may have anything to run now. Letting pending
// events run from inside a tick costs a pass of the loop and a poll of its
// descriptors, a system call, on every tick; where the loop is GLib's under
// the X11 platform, its sources know without one: posted events, every
// wake-up (the X event reader's among them) and due timers. Descriptors
// that became ready only now are left to the loop, which runs them as soon
// as the tick is over.
bool EventsMayBePending();

}  // namespace orvalen
