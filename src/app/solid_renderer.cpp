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
template <class T> void Upload(QOpenGLBuffer& buffer, const std::vector<T>& data) {
    if (!buffer.isCreated()) buffer.create();
    buffer.bind();
    buffer.allocate(data.data(), int(data.size() * sizeof(T)));
}

} // namespace

SolidShaderSources DefaultSolidShaders() {
    return {kSurfaceVertex, kSurfaceFragment, kLineVertex, kLineFragment};
}

SolidRenderer::SolidRenderer() = default;

SolidRenderer::~SolidRenderer() {
    positions_.destroy();
    attributes_.destroy();
    indices_.destroy();
    vertexArray_.destroy();
}

bool SolidRenderer::Link(QOpenGLShaderProgram& program, const QString& vertex,
                         const QString& fragment, const char* what) {
    if (program.addShaderFromSourceCode(QOpenGLShader::Vertex, vertex) &&
        program.addShaderFromSourceCode(QOpenGLShader::Fragment, fragment) && program.link())
        return true;
    error_ = QString("the %1 shaders were refused: %2").arg(what, program.log().trimmed());
    return false;
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
    if (!vertexArray_.isCreated()) vertexArray_.create();
    ready_ = true;
    return true;
}

void SolidRenderer::Render(const SolidFrame& frame, int width, int height) {
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
    for (const SurfaceDraw& s : frame.Surfaces)
        DrawSurface(s, frame);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glLineWidth(kOverlayLineWidth);
    DrawLines(frame.Overlay, frame);
    glLineWidth(1.0f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_FALSE);
    for (const LineDraw& grid : frame.Grids)
        DrawLines(grid, frame);
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
}

void SolidRenderer::DrawSurface(const SurfaceDraw& s, const SolidFrame& frame) {
    if (s.Indices.empty()) return;
    QOpenGLShaderProgram& p = *surfaceProgram_;
    p.bind();
    const QMatrix4x4 modelView = frame.View * s.Model;
    p.setUniformValue("modelView", modelView);
    p.setUniformValue("projection", frame.Projection);
    p.setUniformValue("normalMatrix", modelView.normalMatrix());
    p.setUniformValue("lightDirection", frame.View.mapVector(frame.LightDirection));
    p.setUniformValue("diffuse", s.Material.Diffuse);
    p.setUniformValue("ambient", s.Material.Ambient);
    p.setUniformValue("emissive", s.Material.Emissive);
    p.setUniformValue("specular", s.Material.Specular);
    p.setUniformValue("shininess", s.Material.Shininess);
    const int position = p.attributeLocation("position");
    const int normal = p.attributeLocation("normal");
    Upload(positions_, s.Positions);
    p.enableAttributeArray(position);
    p.setAttributeBuffer(position, GL_FLOAT, 0, 3);
    Upload(attributes_, s.Normals);
    p.enableAttributeArray(normal);
    p.setAttributeBuffer(normal, GL_FLOAT, 0, 3);
    Upload(indices_, s.Indices);
    glDrawElements(GL_TRIANGLES, GLsizei(s.Indices.size()), GL_UNSIGNED_INT, nullptr);
    indices_.release();
    attributes_.release();
    p.disableAttributeArray(position);
    p.disableAttributeArray(normal);
    p.release();
}

void SolidRenderer::DrawLines(const LineDraw& lines, const SolidFrame& frame) {
    if (lines.Empty()) return;
    QOpenGLShaderProgram& p = *lineProgram_;
    p.bind();
    p.setUniformValue("modelViewProjection", frame.Projection * frame.View * lines.Model);
    const int position = p.attributeLocation("position");
    const int color = p.attributeLocation("color");
    Upload(positions_, lines.Positions);
    p.enableAttributeArray(position);
    p.setAttributeBuffer(position, GL_FLOAT, 0, 3);
    Upload(attributes_, lines.Colors);
    p.enableAttributeArray(color);
    p.setAttributeBuffer(color, GL_FLOAT, 0, 4);
    glDrawArrays(GL_LINES, 0, GLsizei(lines.Positions.size() / 3));
    attributes_.release();
    p.disableAttributeArray(position);
    p.disableAttributeArray(color);
    p.release();
}

} // namespace brevant
