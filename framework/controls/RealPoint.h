#pragma once
// A point in real-valued coordinates.
struct RealPoint {
    double x = 0;
    double y = 0;
};
