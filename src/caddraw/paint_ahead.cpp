// A redraw of a large drawing on two threads. The drawing is taken in chunks of elements, in
// order. A helper thread prepares the strokes of the chunks ahead of the one being painted
// (transform, culling, chords: no canvas), while this thread hands prepared strokes to the
// canvas. A chunk nobody has taken yet this thread paints itself, and while it waits for one it
// prepares those ahead that nobody has taken. The canvas is only ever called from this thread,
// in element order, so the picture is the one a single thread paints. An element that cannot
// be prepared (text, a filled shape, a line style that keeps the dash of the stroke before)
// ends its chunk's preparation; this thread paints the rest of that chunk.
#include "caddraw/cad_draw.h"
#include "caddraw/element_painter.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace brevant {

namespace {

constexpr int kChunkElements = 4096;
// The helper prepares at most this many chunks beyond the one being painted, which bounds the
// memory of prepared strokes when the canvas is the slower side.
constexpr int kChunksAhead = 2;

} // namespace

bool TCadDraw::PaintElementsAhead(TElementPainter& painter, int mode) {
    const TElements& elements = std::as_const(*this).Elements();
    const int count = elements.Count();
    const int chunks = (count + kChunkElements - 1) / kChunkElements;
    const double density = canvas_ ? canvas_->PixelDensity() : 1.0;

    struct TChunk {
        TElementPainter::TPrepared strokes;
        bool ready = false;
    };
    std::vector<TChunk> prepared(static_cast<std::size_t>(chunks));
    std::mutex mutex;
    std::condition_variable changed;
    int next = 0;     // the first chunk nobody has taken
    int painting = 0; // the chunk this thread is at
    bool stop = false;

    auto prepare = [&](int chunk) {
        TElementPainter::TPrepared out;
        const int begin = chunk * kChunkElements, end = std::min(count, begin + kChunkElements);
        try {
            TElementPainter recorder(*this, density, out);
            int i = begin;
            for (; i < end; ++i) {
                const TElement& e = elements[i];
                if (Selects(e, mode) && !recorder.Prepare(e)) break;
            }
            recorder.Flush();
            out.end = i;
        } catch (...) { // out of memory: this thread paints the whole chunk
            out = TElementPainter::TPrepared();
            out.end = begin;
        }
        return out;
    };
    // Prepares the chunk taken and hands it over.
    auto prepareTaken = [&](int chunk) {
        TElementPainter::TPrepared out = prepare(chunk);
        {
            const std::lock_guard lock(mutex);
            prepared[static_cast<std::size_t>(chunk)].strokes = std::move(out);
            prepared[static_cast<std::size_t>(chunk)].ready = true;
        }
        changed.notify_all();
    };
    auto helper = [&] {
        for (;;) {
            int chunk = 0;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return stop || next - painting <= kChunksAhead; });
                if (stop || next >= chunks) return;
                chunk = next++;
            }
            prepareTaken(chunk);
        }
    };
    std::thread thread;
    try {
        thread = std::thread(helper);
    } catch (const std::system_error&) {
        return false;
    }
    // Stops and joins the helper however this thread leaves (a canvas may throw).
    struct TJoin {
        std::thread& thread;
        std::mutex& mutex;
        std::condition_variable& changed;
        bool& stop;
        ~TJoin() {
            {
                const std::lock_guard lock(mutex);
                stop = true;
            }
            changed.notify_all();
            thread.join();
        }
    } join{thread, mutex, changed, stop};

    for (int chunk = 0; chunk < chunks; ++chunk) {
        const int begin = chunk * kChunkElements, end = std::min(count, begin + kChunkElements);
        int from = begin;
        bool mine = false;
        {
            std::unique_lock lock(mutex);
            painting = chunk;
            if (next == chunk) next = chunk + 1, mine = true;
        }
        changed.notify_all();
        if (!mine) {
            // While the helper prepares this chunk, this thread prepares the next ones nobody
            // has taken (where the canvas is quick, as in a zoomed-in view or a strip of a
            // pan, both threads share the work of culling).
            TElementPainter::TPrepared strokes;
            std::unique_lock lock(mutex);
            TChunk& c = prepared[static_cast<std::size_t>(chunk)];
            while (!c.ready) {
                if (next < chunks && next - chunk <= kChunksAhead) {
                    const int ahead = next++;
                    lock.unlock();
                    prepareTaken(ahead);
                    lock.lock();
                } else {
                    changed.wait(lock, [&] { return c.ready; });
                }
            }
            strokes = std::move(c.strokes);
            c.strokes = TElementPainter::TPrepared();
            lock.unlock();
            painter.PaintPrepared(strokes);
            from = strokes.end;
        }
        for (int i = from; i < end; ++i) {
            const TElement& e = elements[i];
            if (Selects(e, mode)) painter.Element(e, false);
        }
    }
    return true;
}

} // namespace brevant
