// The system's minimise and restore animation, off for the lifetime of one
// command the frame carries out itself; the user's setting comes back after.
#pragma once

#include <windows.h>

namespace skin {

class TAnimationOff {
public:
    TAnimationOff() {
        info_.cbSize = sizeof(info_);
        saved_ = SystemParametersInfoW(SPI_GETANIMATION, sizeof(info_), &info_, 0) &&
                 info_.iMinAnimate != 0;
        if (saved_) {
            ANIMATIONINFO off{sizeof(off), 0};
            SystemParametersInfoW(SPI_SETANIMATION, sizeof(off), &off, 0);
        }
    }
    TAnimationOff(const TAnimationOff&) = delete;
    TAnimationOff& operator=(const TAnimationOff&) = delete;
    ~TAnimationOff() {
        if (saved_) {
            SystemParametersInfoW(SPI_SETANIMATION, sizeof(info_), &info_, 0);
        }
    }

private:
    ANIMATIONINFO info_{};
    bool saved_ = false;
};

} // namespace skin
