// Speed of the triangulation on 99 points: scattered, on a circle, and a
// 9 x 11 grid; beside the step-by-step transcription it must agree with.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "geometry/triangulate.h"
#include "scene/scene.h"
#include "support/plain_triangulation.h"

using namespace geometrija;

namespace {

std::vector<Tacka> scattered() {
    std::mt19937 rng(99);
    std::uniform_real_distribution<float> u(-10, 10);
    std::vector<Tacka> pts;
    for (int i = 0; i < 99; ++i) pts.emplace_back(u(rng), u(rng));
    return pts;
}

std::vector<Tacka> circle() {
    std::vector<Tacka> pts;
    for (int i = 0; i < 99; ++i) {
        const double a = 2 * 3.141592653589793 * i / 99;
        pts.emplace_back(static_cast<float>(10 * std::cos(a)),
                         static_cast<float>(10 * std::sin(a)));
    }
    return pts;
}

std::vector<Tacka> grid() {
    std::vector<Tacka> pts;
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 9; ++x) pts.emplace_back(static_cast<float>(x), static_cast<float>(y));
    }
    return pts;
}

template <typename Run>
void run(benchmark::State& state, const std::vector<Tacka>& input, Run triangulation) {
    for (auto _ : state) {
        std::vector<Tacka> pts = input;
        segments.clear();
        triangulation(pts.data(), static_cast<int>(pts.size()));
        benchmark::DoNotOptimize(segments.size());
    }
    state.counters["sides"] = static_cast<double>(segments.size());
}

void project(Tacka* p, int n) {
    triangulate(p, n);
}
void plain(Tacka* p, int n) {
    benchmark::DoNotOptimize(support::plainTriangulation(p, n));
}

void BM_Scattered(benchmark::State& s) {
    run(s, scattered(), project);
}
void BM_Circle(benchmark::State& s) {
    run(s, circle(), project);
}
void BM_Grid(benchmark::State& s) {
    run(s, grid(), project);
}
void BM_PlainScattered(benchmark::State& s) {
    run(s, scattered(), plain);
}
void BM_PlainCircle(benchmark::State& s) {
    run(s, circle(), plain);
}
void BM_PlainGrid(benchmark::State& s) {
    run(s, grid(), plain);
}

}  // namespace

BENCHMARK(BM_Scattered)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Circle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Grid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainScattered)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainCircle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainGrid)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
