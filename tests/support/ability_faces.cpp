#include "support/ability_faces.h"

#include <algorithm>

std::vector<int32_t> RollFaces(const Scores& scores, const Scores& fractions) {
    std::vector<int32_t> faces;
    for (size_t i = 0; i < scores.size(); ++i) {
        const int32_t s = scores[i];
        const int32_t a = std::min(6, s - 2);
        const int32_t b = std::min(6, s - a - 1);
        faces.insert(faces.end(), {a, b, s - a - b, fractions[i]});
    }
    return faces;
}
