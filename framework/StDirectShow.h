#pragma once
// Holds COM initialised on this thread for a scope; the first one alive is known.
class StDirectShow {
public:
    StDirectShow();
    ~StDirectShow();
    StDirectShow(const StDirectShow&) = delete;
    StDirectShow& operator=(const StDirectShow&) = delete;

    static StDirectShow* sDirectShow;
};
