#include "reference_blend.h"

namespace qm::morph::test {
namespace {

using X = long double;

bool withintolerance(float a, float b, float deltatolerance) {
  const X r = 0.001L * deltatolerance;
  return a + r >= b && a - r <= b;
}

} // namespace

void ReferenceBlend(const BlendInput& input, tsxVec3f* A) {
  float w[20];
  for (int k = 0; k <= 19; k++)
    w[k] = input.sliders[k] + 0.00001L;
  float S = 0;
  for (int k = 0; k <= 19; k++)
    S = S + X{w[k]};

  const tsxVec3f* O = input.original;
  for (int i = 0; i <= input.vertexCount - 1; i++) {
    A[i].x = O[i].x * X{w[0]};
    A[i].y = O[i].y * X{w[0]};
    A[i].z = O[i].z * X{w[0]};
    float E = 0;
    for (int k = 1; k <= 19; k++) {
      if (!(w[k] >= 1)) continue;
      const tsxVec3f* T = input.targets[k];
      // A weight on a channel without an array counts as dropped at every vertex.
      const bool dropped = T == nullptr || (input.delta[k] &&
                                            withintolerance(O[i].x, T[i].x, input.deltaTolerance) &&
                                            withintolerance(O[i].y, T[i].y, input.deltaTolerance) &&
                                            withintolerance(O[i].z, T[i].z, input.deltaTolerance));
      if (dropped) {
        E = E + X{w[k]};
      } else {
        A[i].x = T[i].x * X{w[k]} + A[i].x;
        A[i].y = T[i].y * X{w[k]} + A[i].y;
        A[i].z = T[i].z * X{w[k]} + A[i].z;
      }
    }
    if (S != 0) {
      A[i].x = A[i].x / (X{S} - E);
      A[i].y = A[i].y / (X{S} - E);
      A[i].z = A[i].z / (X{S} - E);
    }
  }
}

} // namespace qm::morph::test
