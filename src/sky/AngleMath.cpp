#include "sky/AngleMath.h"

#include <algorithm>
#include <cmath>

namespace planova::sky {

double QuadrantAngle(double y, double x)
{
    if (x == 0.0) {
        if (y == 0.0)
            return 0.0;
        return y > 0.0 ? 90.0 : -90.0;
    }
    const double angle = std::atan(y / x) * Deg;
    return x < 0.0 ? angle + 180.0 : angle;
}

double ArcSineDegrees(double sine)
{
    return std::asin(std::clamp(sine, -1.0, 1.0)) * Deg;
}

} // namespace planova::sky
