// OpenGL drawing of the 3D view's frame: lit two-sided surfaces, the overlay on them and the
// translucent grid planes.
#include "solid_renderer.h"

#include <QOpenGLShaderProgram>

namespace brevant {

namespace {

// No #version line: GLSL 1.10 on desktop contexts, GLSL ES 1.00 on ES contexts.
constexpr const char* kSurfaceVertex = R"(
attribute vec3 position;
attribute vec3 normal;
uniform mat4 modelView;
uniform mat4 projection;
uniform mat3 normalMatrix;
varying vec3 eyePosition;
varying vec3 eyeNormal;
void main() {
    vec4 p = modelView * vec4(position, 1.0);
    eyePosition = p.xyz;
    eyeNormal = normalMatrix * normal;
    gl_Position = projection * p;
}
)";

// Two-sided lighting: the normal is turned towards the eye before the light is applied.
constexpr const char* kSurfaceFragment = R"(
#ifdef GL_ES
precision mediump float;
#endif
uniform vec3 lightDirection;
uniform vec3 diffuse;
uniform vec3 ambient;
uniform vec3 emissive;
uniform vec3 specular;
uniform float shininess;
varying vec3 eyePosition;
varying vec3 eyeNormal;
void main() {
    vec3 n = normalize(eyeNormal);
    vec3 v = normalize(-eyePosition);
    if (dot(n, v) < 0.0) n = -n;
    vec3 l = normalize(-lightDirection);
    float d = max(dot(n, l), 0.0);
    float s = d > 0.0 ? pow(max(dot(n, normalize(l + v)), 0.0), shininess) : 0.0;
    vec3 c = emissive + ambient + diffuse * d + specular * s;
    gl_FragColor = vec4(min(c, vec3(1.0)), 1.0);
}
)";

constexpr const char* kLineVertex = R"(
attribute vec3 position;
attribute vec4 color;
uniform mat4 modelViewProjection;
varying vec4 lineColor;
void main() {
    lineColor = color;
    gl_Position = modelViewProjection * vec4(position, 1.0);
}
)";

constexpr const char* kLineFragment = R"(
#ifdef GL_ES
precision mediump float;
#endif
varying vec4 lineColor;
void main() {
    gl_FragColor = lineColor;
}
)";

constexpr float kOverlayLineWidth = 1.5f;

// Fills a buffer with data, creating it on first use.
template <class T> void Fill(QOpenGLBuffer& buffer, const std::vector<T>& data) {
    if (!buffer.isCreated()) buffer.create();
    buffer.bind();
    buffer.allocate(data.data(), int(data.size() * sizeof(T)));
    buffer.release();
}

} // namespace

SolidShaderSources DefaultSolidShaders() {
    return {kSurfaceVertex, kSurfaceFragment, kLineVertex, kLineFragment};
}

SolidRenderer::SolidRenderer() = default;

SolidRenderer::~SolidRenderer() {
    Release();
    vertexArray_.destroy();
}

void SolidRenderer::Release() {
    for (Surface& s : surfaces_) {
        s.positions.destroy();
        s.normals.destroy();
        s.indices.destroy();
    }
    for (Lines& l : grids_) {
        l.positions.destroy();
        l.colors.destroy();
    }
    overlay_.positions.destroy();
    overlay_.colors.destroy();
    surfaces_.clear();
    grids_.clear();
    overlay_.count = 0;
}

bool SolidRenderer::Link(QOpenGLShaderProgram& program, const QString& vertex,
                         const QString& fragment, const char* what) {
    if (program.addShaderFromSourceCode(QOpenGLShader::Vertex, vertex) &&
        program.addShaderFromSourceCode(QOpenGLShader::Fragment, fragment) && program.link())
        return true;
    error_ = QString("the %1 shaders were refused: %2").arg(what, program.log().trimmed());
    return false;
}

void SolidRenderer::FindSlots() {
    QOpenGLShaderProgram& s = *surfaceProgram_;
    surfaceSlots_ = {s.attributeLocation("position"),   s.attributeLocation("normal"),
                     s.uniformLocation("modelView"),    s.uniformLocation("projection"),
                     s.uniformLocation("normalMatrix"), s.uniformLocation("lightDirection"),
                     s.uniformLocation("diffuse"),      s.uniformLocation("ambient"),
                     s.uniformLocation("emissive"),     s.uniformLocation("specular"),
                     s.uniformLocation("shininess")};
    QOpenGLShaderProgram& l = *lineProgram_;
    lineSlots_ = {l.attributeLocation("position"), l.attributeLocation("color"),
                  l.uniformLocation("modelViewProjection")};
}

bool SolidRenderer::Initialize(const SolidShaderSources& sources) {
    initializeOpenGLFunctions();
    ready_ = false;
    error_.clear();
    surfaceProgram_ = std::make_unique<QOpenGLShaderProgram>();
    lineProgram_ = std::make_unique<QOpenGLShaderProgram>();
    if (!Link(*surfaceProgram_, sources.SurfaceVertex, sources.SurfaceFragment, "surface") ||
        !Link(*lineProgram_, sources.LineVertex, sources.LineFragment, "line"))
        return false;
    FindSlots();
    if (!vertexArray_.isCreated()) vertexArray_.create();
    ready_ = true;
    return true;
}

void SolidRenderer::UploadLines(Lines& target, const LineDraw& source) {
    Fill(target.positions, source.Positions);
    Fill(target.colors, source.Colors);
    target.count = int(source.Positions.size() / 3);
    target.model = source.Model;
}

void SolidRenderer::Upload(const SolidFrame& frame) {
    Release();
    surfaces_.resize(frame.Surfaces.size());
    for (size_t i = 0; i < surfaces_.size(); ++i) {
        const SurfaceDraw& from = frame.Surfaces[i];
        Surface& to = surfaces_[i];
        Fill(to.positions, from.Positions);
        Fill(to.normals, from.Normals);
        Fill(to.indices, from.Indices);
        to.count = int(from.Indices.size());
        to.model = from.Model;
        to.material = from.Material;
    }
    grids_.resize(frame.Grids.size());
    for (size_t i = 0; i < grids_.size(); ++i)
        UploadLines(grids_[i], frame.Grids[i]);
    UploadLines(overlay_, frame.Overlay);
}

void SolidRenderer::Render(const SolidFrame& frame, int width, int height) {
    Upload(frame);
    Draw(frame, width, height);
}

void SolidRenderer::Draw(const SolidFrame& camera, int width, int height) {
    glViewport(0, 0, width, height);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (!ready_) return;
    QOpenGLVertexArrayObject::Binder vertexArray(&vertexArray_);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDisable(GL_CULL_FACE);
    glDisable(GL_BLEND);
    // The surfaces sit a little behind their own edges, so the rings on them stay visible.
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(1.0f, 1.0f);
    DrawSurfaces(camera);
    glDisable(GL_POLYGON_OFFSET_FILL);
    lineProgram_->bind();
    glLineWidth(kOverlayLineWidth);
    DrawLines(overlay_, camera);
    glLineWidth(1.0f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_FALSE);
    for (Lines& grid : grids_)
        DrawLines(grid, camera);
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    lineProgram_->release();
}

void SolidRenderer::DrawSurfaces(const SolidFrame& camera) {
    if (surfaces_.empty()) return;
    QOpenGLShaderProgram& p = *surfaceProgram_;
    const SurfaceSlots& u = surfaceSlots_;
    p.bind();
    p.setUniformValue(u.projection, camera.Projection);
    p.setUniformValue(u.lightDirection, camera.View.mapVector(camera.LightDirection));
    p.enableAttributeArray(u.position);
    p.enableAttributeArray(u.normal);
    for (Surface& s : surfaces_) {
        if (s.count == 0) continue;
        const QMatrix4x4 modelView = camera.View * s.model;
        p.setUniformValue(u.modelView, modelView);
        p.setUniformValue(u.normalMatrix, modelView.normalMatrix());
        p.setUniformValue(u.diffuse, s.material.Diffuse);
        p.setUniformValue(u.ambient, s.material.Ambient);
        p.setUniformValue(u.emissive, s.material.Emissive);
        p.setUniformValue(u.specular, s.material.Specular);
        p.setUniformValue(u.shininess, s.material.Shininess);
        s.positions.bind();
        p.setAttributeBuffer(u.position, GL_FLOAT, 0, 3);
        s.normals.bind();
        p.setAttributeBuffer(u.normal, GL_FLOAT, 0, 3);
        s.indices.bind();
        glDrawElements(GL_TRIANGLES, GLsizei(s.count), GL_UNSIGNED_INT, nullptr);
        s.indices.release();
    }
    QOpenGLBuffer::release(QOpenGLBuffer::VertexBuffer);
    p.disableAttributeArray(u.position);
    p.disableAttributeArray(u.normal);
    p.release();
}

// The line program is bound by the caller.
void SolidRenderer::DrawLines(Lines& lines, const SolidFrame& camera) {
    if (lines.count == 0) return;
    QOpenGLShaderProgram& p = *lineProgram_;
    const LineSlots& u = lineSlots_;
    p.setUniformValue(u.modelViewProjection, camera.Projection * camera.View * lines.model);
    lines.positions.bind();
    p.enableAttributeArray(u.position);
    p.setAttributeBuffer(u.position, GL_FLOAT, 0, 3);
    lines.colors.bind();
    p.enableAttributeArray(u.color);
    p.setAttributeBuffer(u.color, GL_FLOAT, 0, 4);
    glDrawArrays(GL_LINES, 0, GLsizei(lines.count));
    QOpenGLBuffer::release(QOpenGLBuffer::VertexBuffer);
    p.disableAttributeArray(u.position);
    p.disableAttributeArray(u.color);
}

} // namespace brevant
