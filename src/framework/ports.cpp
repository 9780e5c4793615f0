#include "framework/ports.h"

#include <algorithm>
#include <cmath>

namespace brankor {

int draw(Random& random, int n) {
    const int k = static_cast<int>(std::floor(random.rnd() * n));
    return std::clamp(k, 0, n - 1);
}

}  // namespace brankor
