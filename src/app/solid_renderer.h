// Draws a frame of the 3D view with OpenGL into whatever framebuffer is bound in the current
// context: the viewport widget and the benchmark's off-screen framebuffer use it alike.
#pragma once

#include "solid_frame.h"

#include <QOpenGLBuffer>
#include <QOpenGLFunctions>
#include <QOpenGLVertexArrayObject>
#include <QString>

#include <memory>

class QOpenGLShaderProgram;

namespace brevant {

// The GLSL sources of the two programs: lit surfaces, and coloured lines.
struct SolidShaderSources {
    QString SurfaceVertex;
    QString SurfaceFragment;
    QString LineVertex;
    QString LineFragment;
};

// The built-in programs, in a GLSL dialect that desktop compatibility contexts and OpenGL ES 2
// contexts both accept.
SolidShaderSources DefaultSolidShaders();

class SolidRenderer : protected QOpenGLFunctions {
public:
    SolidRenderer();
    ~SolidRenderer();
    SolidRenderer(const SolidRenderer&) = delete;
    SolidRenderer& operator=(const SolidRenderer&) = delete;

    // Compiles and links the programs in the current context; false, with Error() saying why,
    // when the driver refuses them. Must be called with the context current, as must
    // everything else, destruction included.
    bool Initialize(const SolidShaderSources& sources = DefaultSolidShaders());
    const QString& Error() const { return error_; }
    bool Ready() const { return ready_; }

    // Clears to black and draws the frame over a viewport of the given size in pixels.
    void Render(const SolidFrame& frame, int width, int height);

private:
    void DrawSurface(const SurfaceDraw& surface, const SolidFrame& frame);
    void DrawLines(const LineDraw& lines, const SolidFrame& frame);
    bool Link(QOpenGLShaderProgram& program, const QString& vertex, const QString& fragment,
              const char* what);

    std::unique_ptr<QOpenGLShaderProgram> surfaceProgram_;
    std::unique_ptr<QOpenGLShaderProgram> lineProgram_;
    QOpenGLVertexArrayObject vertexArray_; // needed by core profiles, harmless elsewhere
    QOpenGLBuffer positions_{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer attributes_{QOpenGLBuffer::VertexBuffer}; // normals or colours
    QOpenGLBuffer indices_{QOpenGLBuffer::IndexBuffer};
    QString error_;
    bool ready_ = false;
};

} // namespace brevant
