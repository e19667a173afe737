// Throughput of the blend kernel: one full run over meshes of 1k, 10k and 100k vertices
// with all nineteen targets at non-zero weights, every other one in delta mode. Each
// target leaves about half of the vertices in place, so delta mode both drops and
// keeps targets, as it does on a real mesh where a target moves one region.
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "morph/blend_kernel.h"

namespace {

using qm::morph::BlendInput;
using qm::morph::kChannelCount;
using qm::morph::kFirstTarget;

struct Mesh {
  std::vector<tsxVec3f> original, animated;
  std::vector<std::vector<tsxVec3f>> targets;
  BlendInput input;

  explicit Mesh(int count) : original(count), animated(count), targets(kChannelCount) {
    std::mt19937 rng(20240607);
    std::uniform_real_distribution<float> coordinate(-10.0f, 10.0f);
    std::uniform_real_distribution<float> offset(-0.5f, 0.5f);
    for (tsxVec3f& vertex : original)
      vertex = {coordinate(rng), coordinate(rng), coordinate(rng)};

    input.original = original.data();
    input.sliders[0] = 100;
    input.deltaTolerance = 10;
    input.vertexCount = count;
    for (int k = kFirstTarget; k < kChannelCount; ++k) {
      targets[k] = original;
      for (int i = 0; i < count; ++i) {
        if (rng() % 2 == 0) targets[k][i].x += offset(rng);
      }
      input.targets[k] = targets[k].data();
      input.sliders[k] = 5 * k;
      input.delta[k] = k % 2 == 1;
    }
  }
};

void BM_Blend(benchmark::State& state) {
  Mesh mesh(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    qm::morph::BlendVertices(mesh.input, mesh.animated.data());
    benchmark::DoNotOptimize(mesh.animated.data());
    benchmark::ClobberMemory();
  }
  state.counters["vertices/s"] = benchmark::Counter(
      static_cast<double>(state.iterations() * state.range(0)), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Blend)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace
