// Speed of the triangulation on 99 points: scattered, on two circles, and a
// 9 x 11 grid; beside the step-by-step transcription it must agree with.
// And the cost of a toolkit call's floating-point guard: distance() against
// the same arithmetic unguarded, in the default mode, in -ffast-math's
// flush-to-zero mode and rounding upward, which the guard turns off and back
// on.
#include <benchmark/benchmark.h>

#if defined(__x86_64__)
#include <xmmintrin.h>
#endif

#include <cfenv>
#include <cmath>
#include <random>
#include <vector>

#include "geometrija/scene.h"
#include "geometrija/triangulate.h"
#include "geometry/intersect_detail.h"
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

// 99 points on a circle of radius 30 about (50, 35), as a point file in the
// window's units gives them: at x >= 32 a nudge cannot move a point, so most
// circles have several points exactly on them, each compared exactly.
std::vector<Tacka> circleAway() {
    std::vector<Tacka> pts;
    for (int i = 0; i < 99; ++i) {
        const double a = 2 * 3.141592653589793 * i / 99;
        pts.emplace_back(static_cast<float>(50 + 30 * std::cos(a)),
                         static_cast<float>(35 + 30 * std::sin(a)));
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

// Sets MXCSR's flush-to-zero and denormals-are-zero bits, as -ffast-math's
// start-up code does, for its lifetime (x86-64; elsewhere nothing).
class FlushToZero {
public:
    explicit FlushToZero(bool on) {
#if defined(__x86_64__)
        saved_ = _mm_getcsr();
        if (on) {
            _mm_setcsr(saved_ | 0x8040u);
        }
#else
        (void)on;
#endif
    }
    ~FlushToZero() {
#if defined(__x86_64__)
        _mm_setcsr(saved_);
#endif
    }
    FlushToZero(const FlushToZero&) = delete;
    FlushToZero& operator=(const FlushToZero&) = delete;

private:
    unsigned saved_ = 0;
};

void BM_Scattered(benchmark::State& s) {
    run(s, scattered(), project);
}
void BM_Circle(benchmark::State& s) {
    run(s, circle(), project);
}
void BM_CircleAway(benchmark::State& s) {
    run(s, circleAway(), project);
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

// distance() of two points, 1000 calls a round, through the public function
// (guarded) or the inline arithmetic it guards; the caller flushing
// subnormals to zero, or rounding upward.
template <bool GUARDED>
void distances(benchmark::State& state, bool flushToZero, bool upward = false) {
    const std::vector<Tacka> pts = scattered();
    FlushToZero mode(flushToZero);
    const int rounding = std::fegetround();
    if (upward) {
        std::fesetround(FE_UPWARD);
    }
    for (auto _ : state) {
        float sum = 0;
        for (int i = 0; i < 1000; ++i) {
            const Tacka& a = pts[static_cast<size_t>(i % 99)];
            const Tacka& b = pts[static_cast<size_t>((i * 7 + 3) % 99)];
            sum += GUARDED ? distance(a, b) : detail::distanceOf(a, b);
        }
        benchmark::DoNotOptimize(sum);
    }
    std::fesetround(rounding);
    state.SetItemsProcessed(state.iterations() * 1000);
}
void BM_DistanceUnguarded(benchmark::State& s) {
    distances<false>(s, false);
}
void BM_DistanceGuarded(benchmark::State& s) {
    distances<true>(s, false);
}
void BM_DistanceGuardedFlushToZero(benchmark::State& s) {
    distances<true>(s, true);
}
void BM_DistanceGuardedUpward(benchmark::State& s) {
    distances<true>(s, false, true);
}

BENCHMARK(BM_DistanceUnguarded);
BENCHMARK(BM_DistanceGuarded);
BENCHMARK(BM_DistanceGuardedFlushToZero);
BENCHMARK(BM_DistanceGuardedUpward);
BENCHMARK(BM_Scattered)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Circle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CircleAway)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Grid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainScattered)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainCircle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainGrid)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
