// Benchmarks of one frame of the 3D view on the finest meshes the engine builds (a cone and a
// spiral flight at 3600 points a ring; the 40-point cone of a Calculate beside them), drawn with
// OpenGL into an off-screen framebuffer, and of turning the scene into that frame. They need a
// display with OpenGL (under Xvfb the software renderer): run `xvfb-run -a
// build/bench/bench_solid_render`; without one the rendering benchmarks say so and are skipped.
#include "layouts/cone/cone_kind.h"
#include "layouts/cone/cone_scene.h"
#include "layouts/spiral/spiral_kind.h"
#include "solid/solid_overlay.h"
#include "solid/view_preset.h"
#include "solid_renderer.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

using namespace brevant;

constexpr int kFinestRing = 3600; // the most points a ring of the cone's model may have
constexpr int kEverydayRing = 40; // the ring of a Calculate
constexpr int kWidth = 1024, kHeight = 768;

SolidModel ConeOf(int ringPoints) {
    SolidModel solid;
    ConeKind cone;
    cone.Def.TopDiameter = 10;
    cone.Def.BottomDiameter = 20;
    cone.Def.ConeHeight = 10;
    cone.Def.TopShift = 3;
    SceneJob job{solid, cone.Def, ringPoints};
    BuildConeModel(job);
    SetViewPreset(solid, *cone.Framing(solid, kInches), kResetView);
    return solid;
}

SolidModel FinestCone() {
    return ConeOf(kFinestRing);
}

// The cone as Calculate shows it, for comparison.
SolidModel EverydayCone() {
    return ConeOf(kEverydayRing);
}

SolidModel FinestSpiral() {
    SolidModel solid;
    SpiralKind spiral;
    spiral.Def.SpiralOD = 21;
    spiral.Def.SpiralID = 8;
    spiral.Def.SpiralPitch = 12;
    const SpiralModel helices = BuildSpiralModel(21, 8, 12, kFinestRing);
    BuildSpiralMesh(solid, helices.OuterHelix, helices.InnerHelix, 21, 8, 12);
    SetViewPreset(solid, *spiral.Framing(solid, kInches), kResetView);
    return solid;
}

// A current OpenGL context with a framebuffer the size of a large viewport and the renderer's
// programs built in it; Error() says why not when that failed.
class OffscreenGl {
public:
    explicit OffscreenGl(int samples) {
        if (!QGuiApplication::instance()) {
            error_ = "no display to create OpenGL on: run under xvfb-run";
            return;
        }
        QSurfaceFormat format;
        format.setDepthBufferSize(24);
        surface_ = std::make_unique<QOffscreenSurface>();
        surface_->setFormat(format);
        surface_->create();
        context_ = std::make_unique<QOpenGLContext>();
        context_->setFormat(format);
        if (!surface_->isValid() || !context_->create() || !context_->makeCurrent(surface_.get())) {
            error_ = "no OpenGL context on this display";
            return;
        }
        QOpenGLFramebufferObjectFormat fbo;
        fbo.setAttachment(QOpenGLFramebufferObject::Depth);
        fbo.setSamples(samples);
        framebuffer_ = std::make_unique<QOpenGLFramebufferObject>(kWidth, kHeight, fbo);
        renderer_ = std::make_unique<SolidRenderer>();
        if (!framebuffer_->isValid() || !framebuffer_->bind())
            error_ = "no off-screen framebuffer";
        else if (!renderer_->Initialize())
            error_ = renderer_->Error().toStdString();
    }
    ~OffscreenGl() {
        if (!context_ || !context_->isValid()) return;
        context_->makeCurrent(surface_.get());
        renderer_.reset();
        framebuffer_.reset();
        context_->doneCurrent();
    }
    const std::string& Error() const { return error_; }
    void Draw(const SolidFrame& frame) {
        renderer_->Render(frame, kWidth, kHeight);
        context_->functions()->glFinish();
    }

private:
    std::unique_ptr<QOffscreenSurface> surface_;
    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<QOpenGLFramebufferObject> framebuffer_;
    std::unique_ptr<SolidRenderer> renderer_;
    std::string error_;
};

// samples: 4 as the viewport widget asks for, 0 for a plain framebuffer.
void RenderFrame(benchmark::State& state, SolidModel (*build)(), int samples) {
    OffscreenGl gl(samples);
    if (!gl.Error().empty()) {
        state.SkipWithError(gl.Error().c_str());
        return;
    }
    const SolidModel solid = build();
    const SolidFrame frame =
        BuildSolidFrame(solid, OverlayLines(solid, {}), double(kWidth) / kHeight);
    for (auto _ : state)
        gl.Draw(frame);
    // The renderer's own thread does little; the software rasteriser's threads do the work,
    // so the wall time is the figure to read.
    state.counters["triangles"] =
        double(solid.Mesh1.Indices.size() + solid.Mesh2.Indices.size()) / 3;
}

// The frame's arrays from the scene, as the viewport does before every paint.
void BuildFrame(benchmark::State& state, SolidModel (*build)()) {
    const SolidModel solid = build();
    for (auto _ : state) {
        SolidFrame frame = BuildSolidFrame(solid, OverlayLines(solid, {}), 4.0 / 3);
        benchmark::DoNotOptimize(frame.Surfaces.data());
    }
}

BENCHMARK_CAPTURE(RenderFrame, finest_cone, FinestCone, 4)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(RenderFrame, finest_spiral, FinestSpiral, 4)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(RenderFrame, everyday_cone, EverydayCone, 4)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(RenderFrame, finest_cone_no_multisampling, FinestCone, 0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(RenderFrame, finest_spiral_no_multisampling, FinestSpiral, 0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BuildFrame, finest_cone, FinestCone)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildFrame, finest_spiral, FinestSpiral)->Unit(benchmark::kMillisecond);

bool HasDisplay() {
    const char* x = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (wayland && *wayland);
}

} // namespace

// Qt needs its application object before any context; without a display it would stop the
// program, so the rendering benchmarks skip instead.
int main(int argc, char** argv) {
    std::unique_ptr<QGuiApplication> app;
    int qtArgc = 1;
    if (HasDisplay()) app = std::make_unique<QGuiApplication>(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
