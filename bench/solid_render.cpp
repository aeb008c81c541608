// Benchmarks of frames of the 3D view on the finest meshes the engine builds (a cone and a
// spiral flight at 3600 points a ring; the 40-point cone of a Calculate beside them), drawn
// with OpenGL into an off-screen framebuffer as the viewport draws them: the scene uploaded
// once, the camera turned a step before every frame, the samples per pixel the viewport
// chooses for this renderer while the view turns (on a software renderer none) or at rest.
// The default size is the viewport's in the window's default size. They need a display with
// OpenGL (under Xvfb the software renderer): run `LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a
// build/bench/bench_solid_render`; without one the rendering benchmarks say so and are skipped.
#include "layouts/cone/cone_kind.h"
#include "layouts/cone/cone_scene.h"
#include "layouts/spiral/spiral_kind.h"
#include "solid/solid_camera.h"
#include "solid/solid_overlay.h"
#include "solid/view_preset.h"
#include "solid_frame_drawer.h"
#include "solid_gl_window.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

using namespace brevant;

constexpr int kFinestRing = 3600;       // the most points a ring of the cone's model may have
constexpr int kEverydayRing = 40;       // the ring of a Calculate
constexpr QSize kDefaultSize(483, 443); // the viewport in the window's default size
constexpr QSize kLargeSize(1024, 768);

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

// A current OpenGL context with a framebuffer of the given size (the window's stand-in) and
// the viewport's frame drawer built in it; Error() says why not when that failed.
class OffscreenGl {
public:
    explicit OffscreenGl(QSize size) : size_(size) {
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
        framebuffer_ = std::make_unique<QOpenGLFramebufferObject>(size, fbo);
        drawer_ = std::make_unique<SolidFrameDrawer>();
        software_ = IsSoftwareRenderer(QString::fromLatin1(
            reinterpret_cast<const char*>(context_->functions()->glGetString(GL_RENDERER))));
        if (!framebuffer_->isValid())
            error_ = "no off-screen framebuffer";
        else if (!drawer_->Initialize(DefaultSolidShaders()))
            error_ = drawer_->Error().toStdString();
    }
    ~OffscreenGl() {
        if (!context_ || !context_->isValid()) return;
        context_->makeCurrent(surface_.get());
        drawer_.reset();
        framebuffer_.reset();
        context_->doneCurrent();
    }
    const std::string& Error() const { return error_; }
    bool Software() const { return software_; }
    SolidFrameDrawer& Drawer() { return *drawer_; }
    void Draw(const SolidModel& solid, int samples) {
        drawer_->Draw(
            solid, [&solid] { return OverlayLines(solid, {}); }, size_, samples,
            framebuffer_.get());
        context_->functions()->glFinish();
    }

private:
    QSize size_;
    std::unique_ptr<QOffscreenSurface> surface_;
    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<QOpenGLFramebufferObject> framebuffer_;
    std::unique_ptr<SolidFrameDrawer> drawer_;
    std::string error_;
    bool software_ = false;
};

enum class Quality { Moving, AtRest };

// Frames of one scene while the camera orbits, at the quality the viewport chooses.
void RenderFrame(benchmark::State& state, SolidModel (*build)(), QSize size, Quality quality) {
    OffscreenGl gl(size);
    if (!gl.Error().empty()) {
        state.SkipWithError(gl.Error().c_str());
        return;
    }
    SolidModel solid = build();
    const int samples = FrameSamples(gl.Software(), quality == Quality::Moving);
    gl.Draw(solid, samples); // the scene's upload, once
    for (auto _ : state) {
        OrbitCamera(solid.Camera, 2, 1);
        gl.Draw(solid, samples);
    }
    // The renderer's own thread does little; the software rasteriser's threads do the work,
    // so the wall time is the figure to read.
    state.counters["triangles"] =
        double(solid.Mesh1.Indices.size() + solid.Mesh2.Indices.size()) / 3;
    double drawn = 0;
    for (const SurfaceDraw& s : BuildSolidFrame(solid, {}, 1).Surfaces)
        drawn += double(s.Indices.size()) / 3;
    state.counters["drawn_triangles"] = drawn; // the shaft's included
    state.counters["samples"] = samples;
}

// What a scene change costs: the frame's arrays built from the scene and uploaded, and one
// frame drawn.
void ChangeScene(benchmark::State& state, SolidModel (*build)()) {
    OffscreenGl gl(kDefaultSize);
    if (!gl.Error().empty()) {
        state.SkipWithError(gl.Error().c_str());
        return;
    }
    const SolidModel solid = build();
    const int samples = FrameSamples(gl.Software(), true);
    for (auto _ : state) {
        gl.Drawer().SceneChanged();
        gl.Draw(solid, samples);
    }
}

// The frame's arrays from the scene, as the viewport builds them when the scene changes.
void BuildFrame(benchmark::State& state, SolidModel (*build)()) {
    const SolidModel solid = build();
    for (auto _ : state) {
        SolidFrame frame = BuildSolidFrame(solid, OverlayLines(solid, {}), 4.0 / 3);
        benchmark::DoNotOptimize(frame.Surfaces.data());
    }
}

#define BREVANT_FRAME(name, build, size, quality)                                                  \
    BENCHMARK_CAPTURE(RenderFrame, name, build, size, quality)                                     \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->UseRealTime()

BREVANT_FRAME(finest_cone, FinestCone, kDefaultSize, Quality::Moving);
BREVANT_FRAME(finest_spiral, FinestSpiral, kDefaultSize, Quality::Moving);
BREVANT_FRAME(everyday_cone, EverydayCone, kDefaultSize, Quality::Moving);
BREVANT_FRAME(finest_cone_at_rest, FinestCone, kDefaultSize, Quality::AtRest);
BREVANT_FRAME(finest_spiral_at_rest, FinestSpiral, kDefaultSize, Quality::AtRest);
BREVANT_FRAME(finest_cone_large, FinestCone, kLargeSize, Quality::Moving);
BREVANT_FRAME(finest_spiral_large, FinestSpiral, kLargeSize, Quality::Moving);
BENCHMARK_CAPTURE(ChangeScene, finest_cone, FinestCone)
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
