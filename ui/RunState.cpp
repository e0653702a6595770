#include "RunState.h"

namespace pathsum {

void RunState::Begin() {
    StopRequested = 0;
    running_ = true;
    superseded_ = false;
}

void RunState::Supersede() {
    if (running_) {
        superseded_ = true;
    }
}

void RunState::Close() {
    closing_ = true;
}

bool RunState::ShouldStop() const {
    return StopRequested == 1 || closing_ || superseded_;
}

void RunState::End(bool stopped) {
    running_ = false;
    if (stopped) {
        StopRequested = 0;
    }
}

}  // namespace pathsum
