#include "RunState.h"

#include <utility>

namespace pathsum {

void RunState::Begin() {
    StopRequested = 0;
    running_ = true;
    superseded_ = false;
    abandoned_ = false;
    afterwards_ = Picture::Keep;
}

void RunState::Supersede() {
    if (running_) {
        superseded_ = true;
    }
}

void RunState::Abandon(Picture picture) {
    if (running_) {
        abandoned_ = true;
        if (picture == Picture::Clear) {
            afterwards_ = Picture::Clear;
        }
    }
}

void RunState::Close() {
    closing_ = true;
}

bool RunState::ShouldStop() const {
    return StopRequested == 1 || closing_ || superseded_ || abandoned_;
}

RunState::Picture RunState::End(bool stopped) {
    running_ = false;
    if (stopped) {
        StopRequested = 0;
    }
    return std::exchange(afterwards_, Picture::Keep);
}

}  // namespace pathsum
