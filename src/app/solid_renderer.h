// Draws frames of the 3D view with OpenGL into whatever framebuffer is bound in the current
// context: the viewport's window and the benchmark's off-screen framebuffer use it alike. The
// scene's geometry goes into buffers of the context once per scene (Upload); each frame then
// only sets the camera and draws from them (Draw).
#pragma once

#include "solid_frame.h"

#include <QOpenGLBuffer>
#include <QOpenGLFunctions>
#include <QOpenGLVertexArrayObject>
#include <QString>

#include <memory>
#include <vector>

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

    // Puts the frame's surfaces, grids and overlay into the context's buffers, replacing the
    // previous scene. Only the geometry is taken; the camera comes with every Draw.
    void Upload(const SolidFrame& frame);
    // Clears to black and draws the uploaded scene with the frame's camera and light over a
    // viewport of the given size in pixels.
    void Draw(const SolidFrame& camera, int width, int height);
    // Upload and Draw in one.
    void Render(const SolidFrame& frame, int width, int height);

private:
    struct Surface {
        QOpenGLBuffer positions{QOpenGLBuffer::VertexBuffer};
        QOpenGLBuffer normals{QOpenGLBuffer::VertexBuffer};
        QOpenGLBuffer indices{QOpenGLBuffer::IndexBuffer};
        int count = 0;
        QMatrix4x4 model;
        SurfaceMaterial material;
    };
    struct Lines {
        QOpenGLBuffer positions{QOpenGLBuffer::VertexBuffer};
        QOpenGLBuffer colors{QOpenGLBuffer::VertexBuffer};
        int count = 0;
        QMatrix4x4 model;
    };
    // Attribute and uniform locations, looked up once when the programs are linked.
    struct SurfaceSlots {
        int position = -1, normal = -1;
        int modelView = -1, projection = -1, normalMatrix = -1, lightDirection = -1;
        int diffuse = -1, ambient = -1, emissive = -1, specular = -1, shininess = -1;
    };
    struct LineSlots {
        int position = -1, color = -1, modelViewProjection = -1;
    };

    void DrawSurfaces(const SolidFrame& camera);
    void DrawLines(Lines& lines, const SolidFrame& camera);
    void UploadLines(Lines& target, const LineDraw& source);
    bool Link(QOpenGLShaderProgram& program, const QString& vertex, const QString& fragment,
              const char* what);
    void FindSlots();
    void Release();

    std::unique_ptr<QOpenGLShaderProgram> surfaceProgram_;
    std::unique_ptr<QOpenGLShaderProgram> lineProgram_;
    SurfaceSlots surfaceSlots_;
    LineSlots lineSlots_;
    QOpenGLVertexArrayObject vertexArray_; // needed by core profiles, harmless elsewhere
    std::vector<Surface> surfaces_;
    std::vector<Lines> grids_;
    Lines overlay_;
    QString error_;
    bool ready_ = false;
};

} // namespace brevant
